// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

#include "HistoryPeriod.h"

namespace tavolin {

// The file name of the history, kept beside the player file.
inline const QString kHistoryFileName = QStringLiteral("tavolin-history.sqlite");

// The closed periods of the ten players, in an SQLite file. Its tables are made on the
// first write and brought up to this program's version on opening; every change is one
// transaction, so a failure leaves the file as it was. Failures raise FileError with the
// error box's text: a history busy in another program, a damaged one, one written by a
// later version, which is then left untouched.
class RatingHistory {
public:
    explicit RatingHistory(QString path);
    ~RatingHistory();
    RatingHistory(const RatingHistory&) = delete;
    RatingHistory& operator=(const RatingHistory&) = delete;

    const QString& path() const { return path_; }

    // Writes a period and its games; returns the period's id.
    qint64 add(const HistoryPeriod& period);
    // The periods of player `slot` (1 to 10), or of all with 0, oldest first; none when the
    // file does not exist yet (reading never makes it).
    std::vector<HistoryPeriod> periods(int slot = 0);
    // The games of period `id`, in their order; none when it is not in the history.
    std::vector<HistoryGame> games(qint64 id);
    // Deletes a period and its games; a missing file is left missing.
    void remove(qint64 id);
    // Takes player `slot`'s latest period out of the history, in one transaction, and
    // gives it with its games; none when he has none.
    std::optional<HistoryPeriod> takeLatest(int slot);
    // The FIDE ID player `slot` (1 to 10) is linked to in FIDE's rating list, if any.
    std::optional<quint32> fideId(int slot);
    // Links player `slot` to a FIDE ID, or takes his link away with none.
    void setFideId(int slot, std::optional<quint32> id);

private:
    friend class HistoryListing;  // reads through this object's connection

    // Reading opens the file read-only: it never creates, migrates nor writes it.
    enum class Access { reading, writing };
    QSqlDatabase open(Access access);
    void close();
    // The file's version, 0 for a database with nothing in it; a file that is no history,
    // or holds anything the program did not put there, raises FileError and stays as it is.
    int checkedVersion(const QSqlDatabase& database) const;
    // Brings a history to this program's version, in one transaction; only writes do.
    void bringUpToDate(QSqlDatabase& database);
    // The periods of `slot` (all with 0), oldest first, their values checked; raises
    // SqlFailure or DamagedValue.
    std::vector<HistoryPeriod> readPeriods(const QSqlDatabase& database, int slot);
    // What `read` gives of the file opened for reading, in one transaction; nothing for a
    // missing or empty history. Failures raise FileError with the error box's text.
    template <typename Result, typename Read>
    Result readOrNothing(Read read);
    // The games of period `id`, in their order, their values checked.
    static std::vector<HistoryGame> readGames(const QSqlDatabase& database, qint64 id);

    QString path_;
    QString connection_;  // Qt's name of this object's connection
    std::optional<Access> openFor_;
};

}  // namespace tavolin
