// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrfImport.h"

#include <numeric>

#include "FilledMessage.h"
#include "GameEntryReading.h"
#include "SkippedCounts.h"
#include "UserMessages.h"

namespace tavolin {

namespace {

constexpr std::array<SkipReasonText, kTrfSkipReasons> kReasonTexts{{
    {TAVOLIN_TEXT("TrfImport", "forfait"), TAVOLIN_TEXT("TrfImport", "forfaits")},
    {TAVOLIN_TEXT("TrfImport", "partie de moins d'un coup"),
     TAVOLIN_TEXT("TrfImport", "parties de moins d'un coup")},
    {TAVOLIN_TEXT("TrfImport", "exempt ou absence"),
     TAVOLIN_TEXT("TrfImport", "exempts ou absences")},
    {TAVOLIN_TEXT("TrfImport", "adversaire non classé"),
     TAVOLIN_TEXT("TrfImport", "adversaires non classés")},
    {TAVOLIN_TEXT("TrfImport", "adversaire classé hors de 1000 à 3000"),
     TAVOLIN_TEXT("TrfImport", "adversaires classés hors de 1000 à 3000")},
    {TAVOLIN_TEXT("TrfImport", "numéro d'adversaire inconnu"),
     TAVOLIN_TEXT("TrfImport", "numéros d'adversaire inconnus")},
}};

// The score of a played game's code, or why the round is no rated game before its
// opponent is looked at.
struct RoundReading {
    double score = 0;
    std::optional<TrfSkipReason> reason;
};

RoundReading readResult(char code) {
    switch (code) {
        case '1':
            return {kWinScore, std::nullopt};
        case '=':
            return {kDrawScore, std::nullopt};
        case '0':
            return {kLossScore, std::nullopt};
        case '+':
        case '-':
            return {0, TrfSkipReason::Forfeit};
        case 'W':
        case 'w':
        case 'D':
        case 'd':
        case 'L':
        case 'l':
            return {0, TrfSkipReason::ShortGame};
        default:  // H, F, U, Z, blank
            return {0, TrfSkipReason::ByeOrAbsence};
    }
}

}  // namespace

std::string_view trfSkipReasonText(TrfSkipReason reason) {
    return kReasonTexts[static_cast<std::size_t>(reason)].one;
}

int TrfPlayerGames::skippedTotal() const {
    return std::accumulate(skippedRounds.begin(), skippedRounds.end(), 0);
}

std::string TrfPlayerGames::skippedText() const {
    return skippedCountsText(skippedRounds, kReasonTexts);
}

std::string TrfPlayerGames::skippedSummary() const {
    return skippedCountsSummary(skippedRounds, kReasonTexts, messages::kTrfSkippedOne,
                                messages::kTrfSkippedMany);
}

std::string trfDamageSummary(const TrfEvent& event) {
    const int total = event.damagedTotal();
    if (total == 0) {
        return {};
    }
    const std::string first = std::to_string(event.firstDamagedLine);
    return total == 1 ? filledMessage(messages::kTrfDamagedOne, first)
                      : filledMessage(messages::kTrfDamagedMany, std::to_string(total), first);
}

TrfPlayerGames trfPlayerGames(const TrfEvent& event, const TrfPlayer& player) {
    TrfPlayerGames games;
    games.ownRating = player.rating;
    const auto skip = [&](TrfSkipReason reason) {
        ++games.skippedRounds[static_cast<std::size_t>(reason)];
    };
    for (std::size_t round = 0; round < player.rounds.size(); ++round) {
        const TrfRound& played = player.rounds[round];
        RoundReading reading = readResult(played.result);
        if (!reading.reason && played.opponent == 0) {
            reading.reason = TrfSkipReason::ByeOrAbsence;
        }
        if (reading.reason) {
            skip(*reading.reason);
            continue;
        }
        const TrfPlayer* opponent = event.playerRanked(played.opponent);
        if (opponent == nullptr) {
            skip(TrfSkipReason::UnknownOpponent);
            continue;
        }
        if (!opponent->rating) {
            skip(TrfSkipReason::UnratedOpponent);
            continue;
        }
        if (*opponent->rating < kLowestOpponentRating ||
            *opponent->rating > kHighestOpponentRating) {
            skip(TrfSkipReason::OpponentOutOfRange);
            continue;
        }
        games.games.push_back({event.startDate, event.name, std::to_string(round + 1),
                               opponent->name,
                               GameEntry{static_cast<double>(*opponent->rating), reading.score}});
    }
    return games;
}

std::vector<const TrfPlayer*> trfPlayersWithKey(const TrfEvent& event, std::string_view playerKey,
                                                const NameKey& key) {
    std::vector<const TrfPlayer*> players;
    for (const TrfPlayer& player : event.players) {
        if (key(player.name) == playerKey) {
            players.push_back(&player);
        }
    }
    return players;
}

}  // namespace tavolin
