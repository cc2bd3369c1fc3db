// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneratedTrf.h"

#include <array>
#include <cstdio>
#include <fstream>

namespace tavolin::bench {

namespace {

constexpr int kEventPlayers = 2000;
constexpr int kEventRounds = 11;

constexpr std::array kSurnames{"Lefèvre", "Martin", "Dupré",  "Bernard", "Gérard", "Dubois",
                               "Noël",    "Thomas", "Ménard", "Robert",  "Crépin", "Richard",
                               "Petit",   "Durand", "Leroy",  "Moreau",  "Simon",  "Laurent"};
constexpr std::array kGivenNames{"Hélène", "Paul", "Jérôme", "Marc",  "Anaïs", "Luc",
                                 "Loïc",   "Anne", "Benoît", "Julie", "Éric",  "Pierre"};

// The name padded to the 33 characters of its columns, counted as characters.
std::string paddedName(int player) {
    std::string name = std::string(kSurnames[player % kSurnames.size()]) + ' ' +
                       std::to_string(player) + ", " +
                       kGivenNames[player / kSurnames.size() % kGivenNames.size()];
    std::size_t characters = 0;
    for (const char c : name) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return name + std::string(33 - characters, ' ');
}

std::string roundText(int player, int round) {
    char text[16];
    const int kind = (player * 7 + round * 13) % 40;
    if (kind == 0) {
        std::snprintf(text, sizeof text, "  0000 - %c", round % 2 == 0 ? 'H' : 'U');
    } else if (kind == 1 && round > 8) {
        std::snprintf(text, sizeof text, "  0000 - Z");
    } else {
        const int opponent = (player + round * 97) % kEventPlayers + 1;
        const char results[] = "10=10=1+0=-";
        std::snprintf(text, sizeof text, "  %4d %c %c", opponent, round % 2 == 0 ? 'w' : 'b',
                      results[(player + round) % 11]);
    }
    return text;
}

std::string eventText(long event) {
    std::string text = "012 Open International " + std::to_string(event) +
                       "\r\n022 Villeneuve\r\n032 FRA\r\n042 2026/03/14\r\n052 2026/03/22\r\n"
                       "062 2000\r\n072 1850\r\n092 Individual: Swiss-System\r\n"
                       "102 Arbitre Principal\r\n122 90 min + 30 s\r\nXXR 11\r\n";
    for (int player = 1; player <= kEventPlayers; ++player) {
        char fields[128];
        const int rating = player % 13 == 0 ? 0 : 2700 - player * 1000 / kEventPlayers;
        std::snprintf(fields, sizeof fields, " %4s FRA %11d %10s %4.1f %4d", "", 650000 + player,
                      "1990/04/12", (player % 23) / 2.0, player);
        std::string line = "001 " + std::string(4 - std::to_string(player).size(), ' ') +
                           std::to_string(player) + " m    " + paddedName(player);
        std::string ratingText = rating == 0 ? "    " : std::to_string(rating);
        ratingText.insert(0, 4 - ratingText.size(), ' ');
        line += ' ' + ratingText + std::string(fields + 5);
        for (int round = 1; round <= kEventRounds; ++round) {
            line += roundText(player, round);
        }
        text += line + "\r\n";
    }
    return text;
}

}  // namespace

std::string generatedTrfFile(long megabytes) {
    const std::string made = "/tmp/tavolin-bench-" + std::to_string(megabytes) + "mb.trf";
    std::ifstream existing(made, std::ios::binary | std::ios::ate);
    if (existing && existing.tellg() >= megabytes * 1000000L) {
        return made;
    }
    std::ofstream out(made, std::ios::binary);
    long written = 0;
    for (long event = 0; written < megabytes * 1000000L; ++event) {
        const std::string text = eventText(event);
        out << text;
        written += static_cast<long>(text.size());
    }
    return made;
}

std::vector<std::string_view> trfEventsOf(std::string_view file) {
    std::vector<std::string_view> events;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t next = file.find("\n012 ", start);
        const std::size_t end = next == std::string_view::npos ? file.size() : next + 1;
        events.push_back(file.substr(start, end - start));
        start = end;
    }
    return events;
}

}  // namespace tavolin::bench
