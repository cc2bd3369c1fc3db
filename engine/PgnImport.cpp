// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnImport.h"

#include <algorithm>

#include "FilledMessage.h"
#include "GameEntryReading.h"
#include "TextReading.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

// Each reason for one game, then for several.
struct ReasonText {
    std::string_view one, several;
};
constexpr std::array<ReasonText, kPgnSkipReasons> kReasonTexts{{
    {"sans Elo de l'adversaire", "sans Elo de l'adversaire"},
    {"Elo de l'adversaire illisible", "Elo de l'adversaire illisible"},
    {"Elo de l'adversaire hors de 1000 à 3000", "Elo de l'adversaire hors de 1000 à 3000"},
    {"partie non terminée", "parties non terminées"},
    {"résultat illisible", "résultats illisibles"},
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

const std::string& NameKeyCache::keyOf(const std::string& rawName) {
    constexpr std::size_t kMostKept = 4096;
    if (const auto found = keys_.find(rawName); found != keys_.end()) {
        return found->second;
    }
    if (keys_.size() >= kMostKept) {
        keys_.clear();
    }
    return keys_.emplace(rawName, key_(pgnTextAsUtf8(rawName))).first->second;
}

PgnPlayerGames::PgnPlayerGames(std::string playerKey, NameKey key, std::size_t limit)
    : playerKey_(std::move(playerKey)), names_(std::move(key)), limit_(limit) {}

void PgnPlayerGames::add(const PgnGameTags& game) {
    if (full()) {
        return;
    }
    const bool white = names_.keyOf(game.white) == playerKey_;
    const bool black = !white && names_.keyOf(game.black) == playerKey_;
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
    int total = 0;
    for (const int count : skipped_) {
        total += count;
    }
    return total;
}

std::string PgnPlayerGames::skippedText() const {
    std::string text;
    for (std::size_t k = 0; k < kPgnSkipReasons; ++k) {
        if (skipped_[k] == 0) {
            continue;
        }
        if (!text.empty()) {
            text += ", ";
        }
        const ReasonText& reason = kReasonTexts[k];
        text += std::to_string(skipped_[k]) + ' ' +
                std::string(skipped_[k] == 1 ? reason.one : reason.several);
    }
    return text;
}

std::string PgnPlayerGames::skippedSummary() const {
    const int total = skippedTotal();
    if (total == 0) {
        return {};
    }
    return total == 1
               ? filledMessage(messages::kPgnSkippedOne, skippedText())
               : filledMessage(messages::kPgnSkippedMany, std::to_string(total), skippedText());
}

void PgnPlayerList::add(const PgnGameTags& game) {
    count(game.white);
    count(game.black);
}

void PgnPlayerList::count(const std::string& rawName) {
    if (!isKnownName(rawName)) {
        return;
    }
    const std::string& key = names_.keyOf(rawName);
    if (key.empty() || key == "?") {
        return;  // nothing but blanks and control characters
    }
    PgnPlayer& player = byKey_[key];
    if (player.games == 0) {
        player.name = std::string(trimmed(pgnTextAsUtf8(rawName)));  // as first written
        player.key = key;
    }
    ++player.games;
}

std::vector<PgnPlayer> PgnPlayerList::players() const {
    std::vector<PgnPlayer> players;
    for (const auto& [key, player] : byKey_) {
        players.push_back(player);
    }
    std::stable_sort(players.begin(), players.end(), [](const PgnPlayer& a, const PgnPlayer& b) {
        return a.games > b.games || (a.games == b.games && a.name < b.name);
    });
    return players;
}

}  // namespace tavolin
