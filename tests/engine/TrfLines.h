// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::test {

// A player line of a tournament report laid out by the format's columns: starting rank in
// 5-8, name in 15-47, rating in 49-52 (blank when empty), then each round as "oooo c r" from
// column 92, ten columns apart (the line keeps the blanks after its last round).
inline std::string trfPlayerLine(int startingRank, std::string_view name, std::string_view rating,
                                 const std::vector<std::string>& rounds = {}) {
    const auto rightAligned = [](std::string_view text, std::size_t width) {
        return std::string(width - std::min(width, text.size()), ' ') + std::string(text);
    };
    std::string line = "001 " + rightAligned(std::to_string(startingRank), 4) + " m    ";
    line += std::string(name) + std::string(33 - std::min<std::size_t>(33, name.size()), ' ');
    line += ' ' + rightAligned(rating, 4) + " FRA " + rightAligned("651234", 11) +
            " 1990/04/12  1.0    1  ";
    for (const std::string& round : rounds) {
        line += round + "  ";  // each round "oooo c r", 8 columns, and two blanks
    }
    return line;
}

}  // namespace tavolin::test
