// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

namespace tavolin {

// The month names come in the language of the sentence around them: the translation says
// which ("fr" in French), and the conventions shown give them when they are that language.
inline QLocale fideMonthLocale() {
    const QLocale named(QCoreApplication::translate(
        "FideMonthText", "fr", "the code of the language the month names are written in"));
    const QLocale shown;
    return shown.language() == named.language() ? shown : named;
}

// A list's month as a sentence says it: "2026-10" is "octobre 2026" ("October 2026" in
// English); another text as it is.
inline QString fideMonthText(const QString& month) {
    const QDate first = QDate::fromString(month + QStringLiteral("-01"), Qt::ISODate);
    if (!first.isValid()) {
        return month;
    }
    return QCoreApplication::translate("FideMonthText", "%1 %2", "a month's name and its year")
        .arg(fideMonthLocale().standaloneMonthName(first.month()), QString::number(first.year()));
}

// "liste FIDE d'octobre 2026", "liste FIDE de mars 2026": the list named by its month
// ("October 2026 FIDE list" in English, where the month comes first and nothing elides).
inline QString fideListOfMonth(const QString& month) {
    const QString text = fideMonthText(month);
    const bool elided = !text.isEmpty() && QStringLiteral("aeiouyâéèêîôûh").contains(text[0]);
    return elided ? QCoreApplication::translate("FideMonthText", "liste FIDE d'%1",
                                                "before a vowel: a month or a text")
                        .arg(text)
                  : QCoreApplication::translate("FideMonthText", "liste FIDE de %1",
                                                "before a consonant: a month or a text")
                        .arg(text);
}

}  // namespace tavolin
