// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerNames.h"

#include "PlayerRecord.h"

namespace tavolin {

namespace {

// The letters written as two on a keyboard without them: "LEBOEUF" is "Lebœuf".
QString spelledOut(QChar c) {
    switch (c.unicode()) {
        case 0x0153:  // œ
            return QStringLiteral("oe");
        case 0x00E6:  // æ
            return QStringLiteral("ae");
        case 0x00DF:  // ß
            return QStringLiteral("ss");
        default:
            return QString(c);
    }
}

// Case folded, compatibility-decomposed without its combining marks, the ligatures spelled
// out, blanks as one.
QString foldedWords(const QString& text) {
    QString folded;
    bool blankPending = false;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD).toCaseFolded()) {
        if (c.isMark()) {
            continue;
        }
        if (c.isSpace()) {
            blankPending = !folded.isEmpty();
            continue;
        }
        if (blankPending) {
            folded += QLatin1Char(' ');
            blankPending = false;
        }
        folded += spelledOut(c);
    }
    return folded;
}

// The name's words in both orders around its comma; the words alone when it has none.
QStringList wordOrders(const QString& key) {
    const qsizetype comma = key.indexOf(QLatin1Char(','));
    if (comma < 0) {
        return {key};
    }
    const QString surname = key.left(comma);
    const QString given = key.mid(comma + 1);
    if (given.isEmpty() || surname.isEmpty()) {
        return {surname + given};
    }
    return {given + QLatin1Char(' ') + surname, surname + QLatin1Char(' ') + given};
}

bool isBlankName(const QString& key) {
    return key.isEmpty() || key == QLatin1String("?");
}

}  // namespace

QString nameKey(const QString& name) {
    QString key = foldedWords(name);
    key.replace(QLatin1String(" ,"), QLatin1String(","));
    key.replace(QLatin1String(", "), QLatin1String(","));
    return key;
}

std::string utf8NameKey(std::string_view utf8Name) {
    return nameKey(QString::fromUtf8(utf8Name.data(), static_cast<qsizetype>(utf8Name.size())))
        .toStdString();
}

NameMatch matchName(const QString& wanted, const QString& candidate) {
    const QString wantedKey = nameKey(wanted);
    const QString candidateKey = nameKey(candidate);
    if (isBlankName(wantedKey) || isBlankName(candidateKey)) {
        return NameMatch::None;
    }
    const QStringList wantedOrders = wordOrders(wantedKey);
    const QStringList candidateOrders = wordOrders(candidateKey);
    for (const QString& order : wantedOrders) {
        if (candidateOrders.contains(order)) {
            return NameMatch::Exact;
        }
    }
    // The player file keeps 20 characters: a name that long may be a longer one, cut.
    if (wanted.trimmed().size() == kNameLength) {
        if (candidateKey.startsWith(wantedKey)) {
            return NameMatch::Prefix;
        }
        for (const QString& order : candidateOrders) {
            if (order.startsWith(wantedOrders.front())) {
                return NameMatch::Prefix;
            }
        }
    }
    return NameMatch::None;
}

PlayerChoice choosePlayer(const QString& wanted, const QStringList& candidates) {
    NameMatch best = NameMatch::None;
    std::vector<int> bestOnes;
    for (int k = 0; k < candidates.size(); ++k) {
        const NameMatch match = matchName(wanted, candidates[k]);
        if (match == NameMatch::None || match < best) {
            continue;
        }
        if (match > best) {
            best = match;
            bestOnes.clear();
        }
        bestOnes.push_back(k);
    }
    if (bestOnes.size() == 1) {
        return {bestOnes.front(), {}};
    }
    return {-1, bestOnes.size() > 1 ? bestOnes : std::vector<int>{}};
}

QString playerCalled(int slot, const QString& name) {
    return name.trimmed().isEmpty() ? QStringLiteral("joueur %1").arg(slot) : name.trimmed();
}

}  // namespace tavolin
