// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerNames.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "PlayerRecord.h"
#include "ShownText.h"
#include "Utf8.h"

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

// The same folding, character by character: what it makes of each of U+0000 to U+00FF, in
// UTF-8, its blanks as ' '. Folding, decomposition and dropping marks act on each character
// alone, so a name of these characters folds as the concatenation of theirs; worked out once
// by the rule above, the table cannot drift from it.
using Latin1Folding = std::array<std::string, 256>;

const Latin1Folding& latin1Folding() {
    static const Latin1Folding table = [] {
        Latin1Folding folding;
        for (char16_t code = 0; code < folding.size(); ++code) {
            QString folded;
            const QString decomposed =
                QString(QChar(code)).normalized(QString::NormalizationForm_KD).toCaseFolded();
            for (const QChar c : decomposed) {
                if (c.isSpace()) {
                    folded += QLatin1Char(' ');
                } else if (!c.isMark()) {
                    folded += spelledOut(c);
                }
            }
            folding[code] = folded.toStdString();
        }
        return folding;
    }();
    return table;
}

// The same table packed for the key's loop: each character's folding in a few bytes beside
// its length, read without following a pointer.
struct PackedFolding {
    std::uint8_t length = 0;
    std::array<char, 7> bytes{};
};

const std::array<PackedFolding, 256>& packedLatin1Folding() {
    static const std::array<PackedFolding, 256> table = [] {
        std::array<PackedFolding, 256> packed{};
        const Latin1Folding& folding = latin1Folding();
        for (std::size_t code = 0; code < folding.size(); ++code) {
            // Each character folds to at most a few bytes ("½" to "1⁄2", five); one that
            // did not fit would be cut, and the tests against Qt's folding would say so.
            const std::string& folded = folding[code];
            packed[code].length =
                static_cast<std::uint8_t>(std::min(folded.size(), packed[code].bytes.size()));
            std::copy_n(folded.begin(), packed[code].length, packed[code].bytes.begin());
        }
        return packed;
    }();
    return table;
}

// nameKey() of a name whose characters all lie in U+0000 to U+00FF, read from its UTF-8
// without going through QString; nothing for any other name, or bytes that are no UTF-8.
// Blanks fold to one, none at either end, and none beside a comma: the blank before a comma
// and the one after it are left out as they come.
std::optional<std::string> latin1NameKey(std::string_view utf8) {
    const std::array<PackedFolding, 256>& folding = packedLatin1Folding();
    // Written through a pointer into room enough for the longest folding of every character
    // and a blank before each, then cut to its length: no check of the room at each byte.
    constexpr std::size_t kMostPerByte = std::tuple_size_v<decltype(PackedFolding::bytes)> + 1;
    std::string key(utf8.size() * kMostPerByte, '\0');
    char* const first = key.data();
    char* out = first;
    bool blankPending = false;
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        auto character = static_cast<unsigned char>(utf8[k]);
        if (character >= 0x80) {
            const auto next = k + 1 < utf8.size() ? static_cast<unsigned char>(utf8[k + 1]) : 0;
            if ((character != 0xC2 && character != 0xC3) || (next & 0xC0) != 0x80) {
                return std::nullopt;  // beyond U+00FF, or not UTF-8: Qt's way
            }
            character = static_cast<unsigned char>(((character & 0x03) << 6) | (next & 0x3F));
            ++k;
        }
        const PackedFolding& folded = folding[character];
        for (std::size_t byte = 0; byte < folded.length; ++byte) {
            const char c = folded.bytes[byte];
            if (c == ' ') {
                blankPending = out != first;
                continue;
            }
            if (blankPending) {
                if (c != ',' && out[-1] != ',') {
                    *out++ = ' ';
                }
                blankPending = false;
            }
            *out++ = c;
        }
    }
    key.resize(static_cast<std::size_t>(out - first));
    return key;
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
    // Most names of a PGN file are written in characters up to U+00FF; the others take Qt's
    // way.
    if (std::optional<std::string> key = latin1NameKey(utf8Name)) {
        return std::move(*key);
    }
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
    return name.trimmed().isEmpty() ? fromUtf8(TAVOLIN_TEXT("PlayerNames", "joueur %1")).arg(slot)
                                    : name.trimmed();
}

}  // namespace tavolin
