// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListSearch.h"

#include <QStringList>

namespace tavolin {

std::optional<quint32> fideIdOfSearch(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.size() < 5) {
        return std::nullopt;
    }
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    return digits.size() > 9 ? 0 : digits.toUInt();
}

QString fideListMatchQuery(const QString& text) {
    // Composed first, an accent typed as a mark of its own stays in its letter. Each word is
    // then one of the index's words: the index keeps no positions, so it matches no phrase.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QStringList phrases;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty()) {
            phrases.append(QLatin1Char('"') + word + QStringLiteral("\"*"));
            word.clear();
        }
    };
    for (const char32_t c : composed.toUcs4()) {
        if (QChar::isLetterOrNumber(c)) {
            word += QString::fromUcs4(&c, 1);
        } else {
            endWord();
        }
    }
    endWord();
    return phrases.join(QStringLiteral(" AND "));
}

}  // namespace tavolin
