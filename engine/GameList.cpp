#include "GameList.h"

#include <algorithm>
#include <cmath>

#include "NumberText.h"

namespace tavolin {

std::span<const GameEntry> GameList::games() const {
    const std::int32_t count = std::clamp<std::int32_t>(nbparties, 0, kMaxGames);
    return {parties.data(), static_cast<std::size_t>(count)};
}

bool GameList::add(const GameEntry& game) {
    if (nbparties < 0 || full()) {
        return false;
    }
    parties[nbparties] = game;
    ++nbparties;
    return true;
}

void GameList::remove(int number) {
    if (number < 1 || number > kMaxGames) {
        return;
    }
    std::move(parties.begin() + number, parties.end(), parties.begin() + number - 1);
    parties.back() = GameEntry{};
    nbparties = highestGameSlot(*this);
}

void GameList::clear() {
    *this = GameList{};
}

std::int32_t highestGameSlot(const GameList& list, double lowest) {
    for (std::int32_t slot = kMaxGames; slot >= 1; --slot) {
        if (list.parties[slot - 1].eloadv >= lowest) {
            return slot;
        }
    }
    return 0;
}

std::int32_t countGames(const GameList& list, double lowest) {
    return static_cast<std::int32_t>(
        std::count_if(list.parties.begin(), list.parties.end(),
                      [lowest](const GameEntry& game) { return game.eloadv >= lowest; }));
}

namespace {

// Ratings that no whole number can show (damaged data) are shown as "?".
std::string ratingText(double eloadv) {
    constexpr double kLargestShown = 2147483647.0;
    if (!std::isfinite(eloadv) || std::fabs(eloadv) > kLargestShown) {
        return "?";
    }
    return integerText(roundHalfEven(eloadv));
}

}  // namespace

void GameListText::clear() {
    liste_.clear();
    pieces_.clear();
}

void GameListText::append(const GameEntry& game) {
    if (game.resultat == gagne) {
        signe_ = '+';
    }
    if (game.resultat == nulle) {
        signe_ = '=';
    }
    if (game.resultat == perdu) {
        signe_ = '-';
    }
    std::string piece(1, ' ');
    piece += ratingText(game.eloadv);
    piece.append(4, ' ');
    if (signe_ != kNoSign) {
        piece += signe_;
    }
    liste_ += piece;
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
