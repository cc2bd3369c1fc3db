// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryValues.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tavolin {

namespace {

// SQLite's own form of a date and time, as its date functions write it.
const QString kSqliteDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString damagedText(const char* column, const QVariant& value) {
    return QStringLiteral("%1 : %2").arg(QLatin1String(column), value.toString());
}

// The number written by the digits of `text` from `first`, `count` of them; -1 when one is
// not a digit.
int digitsAt(const QString& text, int first, int count) {
    int number = 0;
    for (int at = first; at < first + count; ++at) {
        const char16_t digit = text[at].unicode();
        if (digit < u'0' || digit > u'9') {
            return -1;
        }
        number = number * 10 + (digit - u'0');
    }
    return number;
}

// "2026-12-09T18:30:00" or "2026-12-09 18:30:00", as the program and SQLite write them; none
// for any other text, left to QDateTime's reading.
std::optional<std::pair<QDate, QTime>> plainDayAndTime(const QString& text) {
    if (text.size() != 19 || text[4] != u'-' || text[7] != u'-' ||
        (text[10] != u'T' && text[10] != u' ') || text[13] != u':' || text[16] != u':') {
        return std::nullopt;
    }
    const int fields[] = {digitsAt(text, 0, 4),  digitsAt(text, 5, 2),  digitsAt(text, 8, 2),
                          digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2)};
    if (std::find(std::begin(fields), std::end(fields), -1) != std::end(fields)) {
        return std::nullopt;
    }
    const QDate day(fields[0], fields[1], fields[2]);
    const QTime time(fields[3], fields[4], fields[5]);
    if (!day.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    return std::pair{day, time};
}

}  // namespace

qint64 checkedInteger(const QVariant& value, qint64 lowest, qint64 highest, const char* column) {
    const int type = value.typeId();
    if ((type != QMetaType::LongLong && type != QMetaType::Int) || value.toLongLong() < lowest ||
        value.toLongLong() > highest) {
        throw DamagedValue{damagedText(column, value)};
    }
    return value.toLongLong();
}

std::optional<int> checkedIntegerOrNone(const QVariant& value, qint64 lowest, qint64 highest,
                                        const char* column) {
    if (value.isNull()) {
        return std::nullopt;
    }
    return static_cast<int>(checkedInteger(value, lowest, highest, column));
}

double checkedReal(const QVariant& value, double lowest, double highest, const char* column) {
    const int type = value.typeId();
    const bool number =
        type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
    const double real = value.toDouble();
    if (!number || !(real >= lowest && real <= highest)) {
        throw DamagedValue{damagedText(column, value)};
    }
    return real;
}

QString checkedText(const QVariant& value, const char* column) {
    if (value.typeId() != QMetaType::QString) {
        throw DamagedValue{damagedText(column, value)};
    }
    return value.toString();
}

QDateTime closingMoment(const QDate& day, const QTime& time) {
    const QDateTime onTheClock(day, time);
    if (onTheClock.isValid()) {
        return onTheClock;
    }
    // The start of the day is its first moment, midnight or after a skip at midnight; a day
    // skipped whole (a zone moved across the date line) closes at the next one's start.
    QDateTime start = day.startOfDay();
    if (!start.isValid()) {
        start = day.addDays(1).startOfDay();
    }
    return start.addMSecs(time.msecsSinceStartOfDay());
}

QDateTime checkedDate(const QVariant& value) {
    const QString text = checkedText(value, "closed_at");
    QDateTime date = QDateTime::fromString(text, kClosedAtFormat);
    if (!date.isValid()) {
        date = QDateTime::fromString(text, kSqliteDateTimeFormat);
    }
    if (!date.isValid()) {
        throw DamagedValue{QStringLiteral("closed_at : %1").arg(text)};
    }
    return date;
}

std::optional<Closing> plainClosing(const QString& text, LocalTimeConverter& converter) {
    if (const auto plain = plainDayAndTime(text)) {
        if (const auto instant = converter.msecsSinceEpoch(plain->first, plain->second)) {
            return Closing{plain->first, plain->second, *instant};
        }
    }
    return std::nullopt;
}

Closing checkedClosing(const QVariant& value, LocalTimeConverter& converter) {
    if (value.typeId() == QMetaType::QString) {
        if (const std::optional<Closing> plain = plainClosing(value.toString(), converter)) {
            return *plain;
        }
    }
    // Any other text, or a time the clocks skipped: checkedDate decides, and names it.
    const QDateTime date = checkedDate(value);
    return {date.date(), date.time(), date.toMSecsSinceEpoch()};
}

}  // namespace tavolin
