// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTexts.h"

#include <cmath>

#include "ShownText.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr ShownText kDateFormat = TAVOLIN_TEXT("HistoryTexts", "dd/MM/yyyy");
constexpr ShownText kUnrated = TAVOLIN_TEXT("HistoryTexts", "non classé");
// A spreadsheet of the language reads its numbers with this decimal separator, and its
// fields apart with ";" where the separator is ",", with "," otherwise.
constexpr ShownText kCsvDecimalSeparator = TAVOLIN_TEXT("HistoryTexts", ",");

QString dateText(const QDate& date) {
    return date.toString(fromUtf8(kDateFormat));
}

QChar csvDecimalSeparator() {
    const QString separator = fromUtf8(kCsvDecimalSeparator);
    return separator.size() == 1 ? separator.front() : QLatin1Char(',');
}

QChar csvFieldSeparator() {
    return csvDecimalSeparator() == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

QString signedText(int change) {
    return change > 0 ? QLatin1Char('+') + QString::number(change) : QString::number(change);
}

QString csvField(const QString& text) {
    if (!text.contains(csvFieldSeparator()) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QStringList historyColumnTitles() {
    return {fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Date")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Système")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Parties")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Score")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Classement")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Variation"))};
}

QString pointsText(double points, QChar decimalSeparator) {
    // Whole numbers and halves, as points and ratings are, written without the general
    // conversion, a hundred thousand times for a long history; the same text.
    constexpr double kPlainBelow = 1e13;  // far within the 15 digits of the general form
    if (points >= 0 && points < kPlainBelow && !std::signbit(points) &&
        std::floor(points * 2) == points * 2) {
        const auto whole = static_cast<qint64>(points);
        QString text = QString::number(whole);
        if (static_cast<double>(whole) != points) {
            text += decimalSeparator;
            text += QLatin1Char('5');
        }
        return text;
    }
    QString text = QString::number(points, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QStringList historyRow(const PeriodSummary& period, QChar decimalSeparator) {
    const QString before =
        period.ratingBefore ? QString::number(*period.ratingBefore) : fromUtf8(kUnrated);
    const std::optional<int> change = period.change();
    return {dateText(period.closedOn),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.gameCount),
            pointsText(period.points, decimalSeparator),
            before + QStringLiteral(" → ") + QString::number(period.newRating),
            change ? signedText(*change) : QString()};
}

QStringList historyRow(const HistoryPeriod& period, QChar decimalSeparator) {
    return historyRow(summaryOf(period), decimalSeparator);
}

namespace {

// A byte-order mark, so that a spreadsheet reads UTF-8, and CRLF after every line.
QByteArray csvBytes(const QStringList& lines) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() +
           QByteArrayLiteral("\r\n");
}

}  // namespace

QByteArray historyCsv(const std::vector<PeriodSummary>& periods) {
    const QChar decimal = csvDecimalSeparator();
    QStringList lines{fromUtf8(TAVOLIN_TEXT("HistoryTexts",
                                            "Date;Joueur;Système;Parties;Score;Classement avant;"
                                            "Nouveau classement;Variation"))};
    for (const PeriodSummary& period : periods) {
        const std::optional<int> change = period.change();
        const QStringList fields{
            dateText(period.closedOn),
            csvField(period.playerName),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.gameCount),
            pointsText(period.points, decimal),
            period.ratingBefore ? QString::number(*period.ratingBefore) : QString(),
            QString::number(period.newRating),
            change ? QString::number(*change) : QString()};
        lines.append(fields.join(csvFieldSeparator()));
    }
    return csvBytes(lines);
}

QByteArray historyCsv(const std::vector<HistoryPeriod>& periods) {
    std::vector<PeriodSummary> summaries;
    summaries.reserve(periods.size());
    for (const HistoryPeriod& period : periods) {
        summaries.push_back(summaryOf(period));
    }
    return historyCsv(summaries);
}

QByteArray historyGamesCsv(const std::vector<HistoryPeriod>& periods) {
    const QChar decimal = csvDecimalSeparator();
    QStringList lines{fromUtf8(TAVOLIN_TEXT(
        "HistoryTexts",
        "Date;Joueur;Système;Classement avant;Nouveau classement;N°;Adversaire;Elo;Résultat;"
        "Tournoi;Ronde;Date de la partie"))};
    for (const HistoryPeriod& period : periods) {
        int number = 0;
        for (const HistoryGame& game : period.games) {
            const QStringList fields{
                dateText(period.closedAt.date()),
                csvField(period.playerName),
                fromUtf8(systemCaption(period.system)),
                period.ratingBefore ? QString::number(*period.ratingBefore) : QString(),
                QString::number(period.newRating),
                QString::number(++number),
                csvField(game.opponentName),
                pointsText(game.entry.opponentRating, decimal),
                pointsText(game.entry.score, decimal),
                csvField(game.event),
                csvField(game.round),
                csvField(game.date)};
            lines.append(fields.join(csvFieldSeparator()));
        }
    }
    return csvBytes(lines);
}

QString periodName(const PeriodSummary& period) {
    const QString when =
        fromUtf8(TAVOLIN_TEXT("HistoryTexts", "%1 à %2"))
            .arg(dateText(period.closedOn), period.closedAtTime.toString(u"HH:mm"));
    return period.ratingBefore
               ? fromUtf8(TAVOLIN_TEXT("HistoryTexts", "du %1, %2 → %3"))
                     .arg(when, QString::number(*period.ratingBefore),
                          QString::number(period.newRating))
               : fromUtf8(TAVOLIN_TEXT("HistoryTexts", "du %1, premier classement %2"))
                     .arg(when, QString::number(period.newRating));
}

QString periodName(const HistoryPeriod& period) {
    return periodName(summaryOf(period));
}

QString gameResultText(double score) {
    return score == kWinScore    ? QStringLiteral("1")
           : score == kDrawScore ? QStringLiteral("½")
                                 : QStringLiteral("0");
}

QStringList historyGameColumnTitles() {
    return {fromUtf8(TAVOLIN_TEXT("HistoryTexts", "N°")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Adversaire")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Elo")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Résultat")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Tournoi")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Ronde")),
            fromUtf8(TAVOLIN_TEXT("HistoryTexts", "Date"))};
}

QStringList historyGameRow(int number, const HistoryGame& game) {
    return {QString::number(number),
            game.opponentName,
            QString::number(game.entry.opponentRating, 'g', 15),
            gameResultText(game.entry.score),
            game.event,
            game.round,
            game.date};
}

}  // namespace tavolin
