// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryValues.h"

namespace tavolin {

namespace {

// SQLite's own form of a date and time, as its date functions write it.
const QString kSqliteDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString damagedText(const char* column, const QVariant& value) {
    return QStringLiteral("%1 : %2").arg(QLatin1String(column), value.toString());
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

}  // namespace tavolin
