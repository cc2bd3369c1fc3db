// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListRows.h"

#include <sqlite3.h>

#include "FileError.h"
#include "FileFailure.h"
#include "ShownText.h"
#include "UserMessages.h"
#include "Utf8.h"

namespace tavolin {

const QString kFideListPlayerColumns = QStringLiteral(
    "id, name, federation, sex, title, woman_title, other_titles, online_title,"
    " standard_rating, standard_games, standard_k, rapid_rating, rapid_games, rapid_k,"
    " blitz_rating, blitz_games, blitz_k, birth_year, flag");

namespace {

[[noreturn]] void damaged(const QString& path, const char* column) {
    throw FileError(
        fromUtf8(messages::kFideListDamaged)
            .arg(fullPath(path), fromUtf8(TAVOLIN_TEXT("FideListRows", "valeur de %1 hors limites"))
                                     .arg(QLatin1String(column))));
}

// The numbers as the reader of the list gives them: at most four digits, nine for an ID.
int checkedNumber(const SqliteStatement& row, int column, qint64 largest, const QString& path,
                  const char* name) {
    if (row.kind(column) != SQLITE_INTEGER) {
        damaged(path, name);
    }
    const qint64 value = row.integer(column);
    if (value < 0 || value > largest) {
        damaged(path, name);
    }
    return static_cast<int>(value);
}

QString checkedText(const SqliteStatement& row, int column, const QString& path, const char* name) {
    if (row.kind(column) != SQLITE_TEXT) {
        damaged(path, name);
    }
    return row.text(column);
}

}  // namespace

FideListPlayer playerOfRow(const SqliteStatement& row, const QString& path) {
    FideListPlayer player;
    player.id = static_cast<quint32>(checkedNumber(row, 0, 999'999'999, path, "id"));
    player.name = checkedText(row, 1, path, "name");
    player.federation = checkedText(row, 2, path, "federation");
    player.sex = checkedText(row, 3, path, "sex");
    player.title = checkedText(row, 4, path, "title");
    player.womanTitle = checkedText(row, 5, path, "woman_title");
    player.otherTitles = checkedText(row, 6, path, "other_titles");
    player.onlineTitle = checkedText(row, 7, path, "online_title");
    player.standardRating = checkedNumber(row, 8, 9999, path, "standard_rating");
    player.standardGames = checkedNumber(row, 9, 9999, path, "standard_games");
    player.standardK = checkedNumber(row, 10, 999, path, "standard_k");
    player.rapidRating = checkedNumber(row, 11, 9999, path, "rapid_rating");
    player.rapidGames = checkedNumber(row, 12, 9999, path, "rapid_games");
    player.rapidK = checkedNumber(row, 13, 999, path, "rapid_k");
    player.blitzRating = checkedNumber(row, 14, 9999, path, "blitz_rating");
    player.blitzGames = checkedNumber(row, 15, 9999, path, "blitz_games");
    player.blitzK = checkedNumber(row, 16, 999, path, "blitz_k");
    player.birthYear = checkedNumber(row, 17, 9999, path, "birth_year");
    player.flag = checkedText(row, 18, path, "flag");
    return player;
}

}  // namespace tavolin
