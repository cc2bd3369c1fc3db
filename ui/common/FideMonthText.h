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

// "liste FIDE d'octobre 2026", "liste FIDE de mars 2026": the list named by its month.
inline QString fideListOfMonth(const QString& month) {
    const QString text = fideMonthText(month);
    const bool elided = !text.isEmpty() && QStringLiteral("aeiouyâéèêîôûh").contains(text[0]);
    return QStringLiteral("liste FIDE ") + (elided ? QStringLiteral("d'") : QStringLiteral("de ")) +
           text;
}

}  // namespace tavolin
