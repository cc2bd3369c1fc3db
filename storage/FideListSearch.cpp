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
    // Composed, an accent typed as a mark of its own stays in its word.
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QStringList phrases;
    QString word;
    bool wordHasLetter = false;  // a mark alone is no word for the index
    const auto endWord = [&] {
        if (wordHasLetter) {
            phrases.append(QLatin1Char('"') + word + QStringLiteral("\"*"));
        }
        word.clear();
        wordHasLetter = false;
    };
    for (const QChar c : composed) {
        if (c.isLetterOrNumber() || c.isMark() || c.isSurrogate()) {
            word += c;
            wordHasLetter = wordHasLetter || c.isLetterOrNumber();
        } else {
            endWord();
        }
    }
    endWord();
    return phrases.join(QStringLiteral(" AND "));
}

}  // namespace tavolin
