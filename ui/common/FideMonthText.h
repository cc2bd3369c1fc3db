// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace tavolin {

// A list's month as a sentence says it: "2026-10" is "octobre 2026"; another text as it is.
inline QString fideMonthText(const QString& month) {
    const QDate first = QDate::fromString(month + QStringLiteral("-01"), Qt::ISODate);
    if (!first.isValid()) {
        return month;
    }
    return QLocale(QLocale::French).standaloneMonthName(first.month()) + QLatin1Char(' ') +
           QString::number(first.year());
}

}  // namespace tavolin
