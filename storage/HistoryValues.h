// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

#include "LocalTimeConverter.h"

namespace tavolin {

// The values of a history as SQLite hands them over, each checked against its column's
// range and kind before anything is done with it: a stored 2,000,000,000 or a text in a
// number column is a damaged history, never a figure shown.

// How a period's closing is stored: local time, "2026-12-09T18:30:00".
inline const QString kClosedAtFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
// Beyond any rating: a larger stored one is a damaged history.
inline constexpr int kHighestStoredRating = 4000;

// The moment a period closes on `day` at the clock's `time`. On the night the clocks skip
// that time (summer time starting), as long after the day's start as `time` says: 02:30
// becomes 03:30. Always a valid moment: an invalid one would be stored as no date at all,
// and the whole history would read as damaged.
QDateTime closingMoment(const QDate& day, const QTime& time);

// A value out of its range or of another kind than its column's; `what` names the column
// and the value ("new_rating : 2000000000").
struct DamagedValue {
    QString what;
};

// A whole number within [lowest, highest] (an INTEGER of SQLite's), or DamagedValue.
qint64 checkedInteger(const QVariant& value, qint64 lowest, qint64 highest, const char* column);
// The same, or nothing for NULL.
std::optional<int> checkedIntegerOrNone(const QVariant& value, qint64 lowest, qint64 highest,
                                        const char* column);
// A number within [lowest, highest], whole or not.
double checkedReal(const QVariant& value, double lowest, double highest, const char* column);
QString checkedText(const QVariant& value, const char* column);
// A closing date in the program's form or in SQLite's own ("2024-03-31 20:00:00").
QDateTime checkedDate(const QVariant& value);

// The same closing as its local day and time and its instant, exactly as checkedDate reads
// it, the instant given by `converter` rather than by a look at the time zone for each.
struct Closing {
    QDate day;
    QTime time;
    qint64 msecsSinceEpoch = 0;
};
Closing checkedClosing(const QVariant& value, LocalTimeConverter& converter);
// The same for a text in the program's or SQLite's form whose day and time exist: none for
// any other, which only checkedClosing reads.
std::optional<Closing> plainClosing(const QString& text, LocalTimeConverter& converter);

}  // namespace tavolin
