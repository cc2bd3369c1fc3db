// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameList.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace tavolin {

std::span<const GameEntry> GameList::games() const {
    const std::int32_t listed = std::clamp<std::int32_t>(count, 0, kMaxGames);
    return {entries.data(), static_cast<std::size_t>(listed)};
}

bool GameList::add(const GameEntry& game) {
    if (count < 0 || full()) {
        return false;
    }
    entries[count] = game;
    ++count;
    return true;
}

void GameList::remove(int number) {
    if (number < 1 || number > kMaxGames) {
        return;
    }
    std::move(entries.begin() + number, entries.end(), entries.begin() + number - 1);
    entries.back() = GameEntry{};
    count = highestGameSlot(*this);
}

void GameList::clear() {
    *this = GameList{};
}

std::int32_t highestGameSlot(const GameList& list, double lowest) {
    for (std::int32_t slot = kMaxGames; slot >= 1; --slot) {
        if (list.entries[slot - 1].opponentRating >= lowest) {
            return slot;
        }
    }
    return 0;
}

std::int32_t countGames(const GameList& list, double lowest) {
    return static_cast<std::int32_t>(
        std::count_if(list.entries.begin(), list.entries.end(),
                      [lowest](const GameEntry& game) { return game.opponentRating >= lowest; }));
}

namespace {

// Ratings that no whole number can show (damaged data) are shown as "?".
std::string ratingText(double opponentRating) {
    constexpr double kLargestShown = 2147483647.0;
    if (!std::isfinite(opponentRating) || std::fabs(opponentRating) > kLargestShown) {
        return "?";
    }
    return integerText(roundHalfEven(opponentRating));
}

}  // namespace

void GameListText::clear() {
    text_.clear();
    pieces_.clear();
}

void GameListText::append(const GameEntry& game) {
    if (game.score == kWinScore) {
        lastSign_ = '+';
    }
    if (game.score == kDrawScore) {
        lastSign_ = '=';
    }
    if (game.score == kLossScore) {
        lastSign_ = '-';
    }
    std::string piece(1, ' ');
    piece += ratingText(game.opponentRating);
    piece.append(4, ' ');
    if (lastSign_ != kNoSign) {
        piece += lastSign_;
    }
    text_ += piece;
    pieces_.push_back(std::move(piece));
}

void GameListText::rebuild(const GameList& list) {
    clear();
    for (const GameEntry& game : list.games()) {
        append(game);
    }
}

std::string GameListText::lines() const {
    std::string text;
    for (const std::string& piece : pieces_) {
        if (!text.empty()) {
            text += '\n';
        }
        text += piece;
    }
    return text;
}

}  // namespace tavolin
