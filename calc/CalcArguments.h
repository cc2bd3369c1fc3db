// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "RatingSystem.h"

namespace tavolin {

// The command line of tavolin-calc, read.
struct CalcOptions {
    RatingSystem system = RatingSystem::Elo;
    std::string rating;
    bool young = false;
    // As typed in the coefficient box; unset: "25" for fide, "20" for fide2024.
    std::optional<std::string> coefficient;
    bool interpolation = false;
    bool round = false;
    std::optional<std::string> decimalSeparator;
    bool table = false;
    std::optional<double> difference;
    // Games from a PGN file: the player's, or the list of its players without --player.
    std::optional<std::string> pgn;
    // Games from a tournament report: the player's, or the list of its players without
    // --player.
    std::optional<std::string> trf;
    std::optional<std::string> player;
    bool help = false;
    bool version = false;
    // After the figures, a line per game: how it counted.
    bool detail = false;
    // The periods of a history file instead of a calculation, all or one player's (1 to 10).
    std::optional<std::string> history;
    std::optional<int> slot;
    // FIDE's rating list: its database (the user's by default), a search in it, an import.
    std::optional<std::string> fideDatabase;
    std::optional<std::string> fideFind;
    std::optional<std::string> fideListImport;
    // Downloads and imports the list, from FIDE's address or the one given.
    bool fideListDownload = false;
    std::optional<std::string> fideListAddress;
    std::optional<std::string> month;  // "2026-10", the month of the imported list
    std::vector<std::string_view> games;
};

// What is wrong with a command line, in a few words.
struct UsageError {
    std::string message;
};

std::variant<CalcOptions, UsageError> parseArguments(std::span<const std::string_view> arguments);

// The coefficient box's text the calculation reads.
std::string coefficientText(const CalcOptions& options);

}  // namespace tavolin
