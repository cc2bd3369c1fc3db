// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneratedPgn.h"

#include <array>
#include <cstdlib>
#include <fstream>

namespace tavolin::bench {

namespace {

constexpr int kFewPlayers = 500;

constexpr std::array kSurnames{
    "Lefèvre",   "Bérenger", "Dupré",    "Gérard",   "Hébert",    "Lemaître", "Noël",    "Pérez",
    "Ménard",    "Crépin",   "Fabre",    "Gaillard", "Lacroix",   "Mercier",  "Roussel", "Vasseur",
    "Bénard",    "Chénier",  "Dufresne", "Égée",     "Fléchier",  "Guérin",   "Hérault", "Jégou",
    "Lécuyer",   "Mélançon", "Nédélec",  "Océane",   "Pélissier", "Quéré",    "Rémy",    "Sénéchal",
    "Thériault", "Valéry",   "Zéphir",   "Aubé",     "Bézier",    "Cévennes", "Déprez",  "Éloi",
    "Féret",     "Gélinas",  "Hénin",    "Ibéri",    "Jérémie",   "Kérouac",  "Lévêque", "Mérieux",
    "Nérac",     "Olivé",    "Prévost",  "Réville",  "Sévigné",   "Ténor",    "Urbé",    "Vénus",
    "Wéber",     "Xérès",    "Yéti",     "Zélie",    "Martin",    "Bernard",  "Dubois",  "Thomas",
    "Robert",    "Richard",  "Petit",    "Durand",   "Leroy",     "Moreau",   "Simon",   "Laurent",
    "Lefebvre",  "Michel",   "Garcia",   "David",    "Bertrand",  "Roux",     "Vincent", "Fournier",
    "Morel",     "Girard",   "André",    "Marchand", "Blanc",     "Germain",  "Boyer",   "Garnier",
    "Chevalier", "François", "Legrand",  "Gauthier", "Perrin",    "Robin",    "Clément", "Morin",
    "Nicolas",   "Henry",    "Rousseau", "Mathieu"};
constexpr std::array kGivenNames{
    "Hélène",   "Zoé",       "Jérôme",  "François", "Anaïs",    "Agnès",    "Loïc",     "Gaëlle",
    "Benoît",   "Cédric",    "Mélanie", "Éric",     "Clémence", "Raphaël",  "Noémie",   "Joël",
    "Léa",      "Théo",      "Chloé",   "Maël",     "Inès",     "Aurélien", "Célia",    "Grégoire",
    "Frédéric", "Hervé",     "Irène",   "Josué",    "Léonie",   "Mégane",   "Océane",   "Pénélope",
    "Rémi",     "Sébastien", "Thérèse", "Valérie",  "Yannick",  "Émile",    "Zéphyrin", "Andréa"};
constexpr int kNameNumbers = 25;
constexpr long kEventPlayers = 40;
constexpr long kEventRounds = 3;
constexpr long kEventGames = kEventRounds * kEventPlayers / 2;
constexpr long kSpread = 7919;  // a prime: it reaches every player of the file

struct Pairing {
    long event;
    int white, black;
};

Pairing pairing(long game, int players, PgnLayout layout) {
    if (layout == PgnLayout::Scattered) {
        return {game / 100, static_cast<int>(game * kSpread % players),
                static_cast<int>((game * 104729 + 1) % players)};
    }
    const long event = game / kEventGames;
    const long board = game % kEventGames % (kEventPlayers / 2);
    const long round = game % kEventGames / (kEventPlayers / 2);
    const auto entrant = [&](long seat) {
        return static_cast<int>((event * kEventPlayers + seat % kEventPlayers) * kSpread % players);
    };
    return {event, entrant(2 * board), entrant(2 * board + 1 + 2 * round)};
}

std::string playerName(int player, int players) {
    if (players <= kFewPlayers) {
        return "Player " + std::to_string(player);
    }
    const int surnames = static_cast<int>(kSurnames.size());
    const int givenNames = static_cast<int>(kGivenNames.size());
    const int number = player / (surnames * givenNames) % kNameNumbers;
    std::string name = kSurnames[static_cast<std::size_t>(player % surnames)];
    if (number > 0) {
        name += ' ';
        name += std::to_string(number);
    }
    name += ", ";
    name += kGivenNames[static_cast<std::size_t>(player / surnames % givenNames)];
    return name;
}

}  // namespace

long benchPgnMegabytes() {
    const char* size = std::getenv("TAVOLIN_BENCH_PGN_MB");
    return size != nullptr && std::atol(size) > 0 ? std::atol(size) : 100;
}

std::string generatedPgnFile(long megabytes, int players, PgnLayout layout) {
    const std::string made = "/tmp/tavolin-bench-" + std::to_string(megabytes) + "mb-" +
                             std::to_string(players) + "players" +
                             (layout == PgnLayout::Scattered ? "-scattered" : "") + ".pgn";
    std::ifstream existing(made, std::ios::binary | std::ios::ate);
    if (existing && existing.tellg() >= megabytes * 1000000L) {
        return made;
    }
    std::ofstream out(made, std::ios::binary);
    long written = 0;
    for (long game = 0; written < megabytes * 1000000L; ++game) {
        const Pairing pair = pairing(game, players, layout);
        std::string text = "[Event \"Open " + std::to_string(pair.event) +
                           "\"]\n[Site \"Paris\"]\n[Date \"2026.03.01\"]\n[Round \"" +
                           std::to_string(game % 9 + 1) + "\"]\n[White \"" +
                           playerName(pair.white, players) + "\"]\n[Black \"" +
                           playerName(pair.black, players) +
                           "\"]\n[Result \"1-0\"]\n[WhiteElo \"1850\"]\n[BlackElo \"2010\"]\n\n"
                           "1. e4 {[%clk 1:30:00]} e5 2. Nf3 Nc6 (2... d6 3. d4) 3. Bb5 a6 "
                           "4. Ba4 Nf6 5. O-O Be7 6. Re1 b5 7. Bb3 d6 8. c3 O-O $1 9. h3 Nb8 "
                           "10. d4 Nbd7 11. c4 c6 12. cxb5 axb5 13. Nc3 Bb7 14. Bg5 b4 1-0\n\n";
        out << text;
        written += static_cast<long>(text.size());
    }
    return made;
}

}  // namespace tavolin::bench
