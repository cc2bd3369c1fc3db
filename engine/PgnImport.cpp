// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnImport.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "GameEntryReading.h"
#include "PlayerSort.h"
#include "SkippedCounts.h"
#include "TextReading.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

// Each reason for one game, then for several.
constexpr std::array<SkipReasonText, kPgnSkipReasons> kReasonTexts{{
    {TAVOLIN_TEXT("PgnImport", "sans Elo de l'adversaire"),
     TAVOLIN_TEXT("PgnImport", "sans Elo de l'adversaire")},
    {TAVOLIN_TEXT("PgnImport", "Elo de l'adversaire illisible"),
     TAVOLIN_TEXT("PgnImport", "Elo de l'adversaire illisible")},
    {TAVOLIN_TEXT("PgnImport", "Elo de l'adversaire hors de 1000 à 3000"),
     TAVOLIN_TEXT("PgnImport", "Elo de l'adversaire hors de 1000 à 3000")},
    {TAVOLIN_TEXT("PgnImport", "partie non terminée"),
     TAVOLIN_TEXT("PgnImport", "parties non terminées")},
    {TAVOLIN_TEXT("PgnImport", "résultat illisible"),
     TAVOLIN_TEXT("PgnImport", "résultats illisibles")},
}};

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The opponent's Elo, or why the game is left out.
struct EloReading {
    int value = 0;
    bool read = false;
    PgnSkipReason reason = PgnSkipReason::NoOpponentElo;
};

EloReading readElo(std::string_view tag) {
    const std::string_view text = trimmed(tag);
    if (text.empty() || text == "-" || text == "?") {
        return {};
    }
    const std::optional<int> value = readDecimalDigits(text, 4);
    if (!value) {
        return {0, false, PgnSkipReason::OpponentEloNotANumber};
    }
    if (*value < kLowestOpponentRating || *value > kHighestOpponentRating) {
        return {0, false, PgnSkipReason::OpponentEloOutOfRange};
    }
    return {*value, true, PgnSkipReason::NoOpponentElo};
}

bool isKnownName(std::string_view name) {
    const std::string_view text = trimmed(name);
    return !text.empty() && text != "?";
}

}  // namespace

std::string_view pgnSkipReasonText(PgnSkipReason reason) {
    return kReasonTexts[static_cast<std::size_t>(reason)].one;
}

PgnPlayerGames::PgnPlayerGames(std::string playerKey, NameKey key, std::size_t limit)
    : playerKey_(std::move(playerKey)), key_(std::move(key)), limit_(limit) {}

bool PgnPlayerGames::isPlayer(const std::string& rawName, SpellingIndex::Probe probe) {
    if (const std::uint32_t* known = isPlayer_.find(rawName, probe)) {
        return *known != 0;
    }
    const bool player = key_(pgnTextAsUtf8(rawName)) == playerKey_;
    isPlayer_.insert(rawName, player ? 1 : 0);
    return player;
}

void PgnPlayerGames::add(const PgnGameTags& game) {
    if (full()) {
        return;
    }
    // Both slots are fetched from memory at once.
    const SpellingIndex::Probe whiteProbe = isPlayer_.probe(game.white);
    const SpellingIndex::Probe blackProbe = isPlayer_.probe(game.black);
    const bool white = isPlayer(game.white, whiteProbe);
    const bool black = !white && isPlayer(game.black, blackProbe);
    if (!white && !black) {
        return;
    }
    const auto skip = [&](PgnSkipReason reason) { ++skipped_[static_cast<std::size_t>(reason)]; };
    const EloReading elo = readElo(white ? game.blackElo : game.whiteElo);
    const std::string_view result = trimmed(game.result);
    double score;
    if (result == "1-0") {
        score = white ? kWinScore : kLossScore;
    } else if (result == "0-1") {
        score = white ? kLossScore : kWinScore;
    } else if (result == "1/2-1/2") {
        score = kDrawScore;
    } else {
        skip(result == "*" ? PgnSkipReason::NotFinished : PgnSkipReason::BadResult);
        return;
    }
    if (!elo.read) {
        skip(elo.reason);
        return;
    }
    games_.push_back({pgnTextAsUtf8(game.date), pgnTextAsUtf8(game.event),
                      pgnTextAsUtf8(game.round), pgnTextAsUtf8(white ? game.black : game.white),
                      GameEntry{static_cast<double>(elo.value), score}});
}

int PgnPlayerGames::skippedTotal() const {
    return std::accumulate(skipped_.begin(), skipped_.end(), 0);
}

std::string PgnPlayerGames::skippedText() const {
    return skippedCountsText(skipped_, kReasonTexts);
}

std::string PgnPlayerGames::skippedSummary() const {
    return skippedCountsSummary(skipped_, kReasonTexts, messages::kPgnSkippedOne,
                                messages::kPgnSkippedMany);
}

void PgnPlayerList::add(const PgnGameTags& game) {
    for (const std::string* name : {&game.white, &game.black}) {
        if (!isKnownName(*name)) {
            continue;
        }
        if (pendingCount_ == kNamesBehind) {
            countOldestPending();
        }
        PendingName& pending = pending_[(pendingFirst_ + pendingCount_) % kNamesBehind];
        pending.spelling.assign(*name);
        pending.probe = bySpelling_.probe(*name);
        ++pendingCount_;
        // Half way, the slot of a name read earlier has come: its spelling is fetched in
        // turn if the slot could not hold it.
        if (pendingCount_ > kNamesBehind / 2) {
            bySpelling_.fetchLongSpelling(
                pending_[(pendingFirst_ + pendingCount_ - 1 - kNamesBehind / 2) % kNamesBehind]
                    .probe);
        }
    }
}

void PgnPlayerList::countOldestPending() const {
    const PendingName& pending = pending_[pendingFirst_];
    if (const std::uint32_t player = playerOf(pending.spelling, pending.probe);
        player != kNoPlayer) {
        ++games_[player];
    }
    pendingFirst_ = (pendingFirst_ + 1) % kNamesBehind;
    --pendingCount_;
}

void PgnPlayerList::countPending() const {
    while (pendingCount_ > 0) {
        countOldestPending();
    }
}

std::uint32_t PgnPlayerList::playerOf(const std::string& rawName,
                                      SpellingIndex::Probe probe) const {
    if (const std::uint32_t* known = bySpelling_.find(rawName, probe)) {
        return *known;
    }
    // Most names are kept as they are: no copy is made of them.
    std::string converted;
    std::string_view name = rawName;
    if (!isPgnTextUtf8AsItIs(rawName)) {
        converted = pgnTextAsUtf8(rawName);
        name = converted;
    }
    std::string key = key_(name);
    std::uint32_t player = kNoPlayer;
    if (!key.empty() && key != "?") {
        const SpellingIndex::Probe keyProbe = byKey_.probe(key);
        if (const std::uint32_t* known = byKey_.find(key, keyProbe)) {
            player = *known;
        } else {
            player = static_cast<std::uint32_t>(players_.size());
            byKey_.insert(key, player, keyProbe);
            // The name as first written.
            const std::string_view firstWritten = trimmed(name);
            players_.push_back({texts_.size(), static_cast<std::uint32_t>(firstWritten.size()),
                                static_cast<std::uint32_t>(key.size())});
            texts_.append(firstWritten).append(key);
            games_.push_back(0);
        }
    }
    bySpelling_.insert(rawName, player, probe);
    return player;
}

std::string_view PgnPlayerList::nameOf(std::uint32_t player) const {
    const PlayerTexts& texts = players_[player];
    return {texts_.data() + texts.at, texts.nameLength};
}

std::string_view PgnPlayerList::keyOf(std::uint32_t player) const {
    const PlayerTexts& texts = players_[player];
    return {texts_.data() + texts.at + texts.nameLength, texts.keyLength};
}

std::vector<std::uint32_t> PgnPlayerList::sortedOrder() const {
    std::vector<PlayerSortRecord> records;
    records.reserve(players_.size());
    for (std::uint32_t k = 0; k < players_.size(); ++k) {
        records.push_back(playerSortRecord(games_[k], k, nameOf(k)));
    }
    sortPlayerRecords(records, [this](std::uint32_t player) { return nameOf(player); });
    std::vector<std::uint32_t> order;
    order.reserve(records.size());
    for (const PlayerSortRecord& record : records) {
        order.push_back(record.player);
    }
    return order;
}

std::vector<PgnPlayer> PgnPlayerList::listed() const {
    countPending();
    const std::vector<std::uint32_t> order = sortedOrder();
    std::vector<PgnPlayer> players;
    players.reserve(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        // The players are taken from all over players_ and texts_: where the texts of the
        // one taken a few steps later lie, and further on the player itself, start on their
        // way from memory.
#if defined(__GNUC__)
        constexpr std::size_t kTextsAhead = 8;
        constexpr std::size_t kPlayerAhead = 2 * kTextsAhead;
        if (k + kPlayerAhead < order.size()) {
            __builtin_prefetch(&players_[order[k + kPlayerAhead]]);
            __builtin_prefetch(&games_[order[k + kPlayerAhead]]);
        }
        if (k + kTextsAhead < order.size()) {
            __builtin_prefetch(texts_.data() + players_[order[k + kTextsAhead]].at);
        }
#endif
        const std::uint32_t player = order[k];
        players.push_back(
            {std::string(nameOf(player)), std::string(keyOf(player)), games_[player]});
    }
    return players;
}

std::vector<PgnPlayer> PgnPlayerList::players() const& {
    return listed();
}

std::vector<PgnPlayer> PgnPlayerList::players() && {
    std::vector<PgnPlayer> players = listed();
    players_ = {};
    texts_ = {};
    games_ = {};
    return players;
}

}  // namespace tavolin
