// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcCommandLine.h"

#include <QFileInfo>
#include <charconv>
#include <cstdio>
#include <functional>
#include <iterator>
#include <optional>
#include <variant>
#include <vector>

#include "CalcArguments.h"
#include "Calculation.h"
#include "FideListCommands.h"
#include "FileError.h"
#include "FileFailure.h"
#include "FilledMessage.h"
#include "GameEntryReading.h"
#include "GameList.h"
#include "HistoryListing.h"
#include "HistoryTexts.h"
#include "NamedPlayer.h"
#include "NumberText.h"
#include "PercentageTable.h"
#include "PgnFile.h"
#include "PgnImport.h"
#include "PlayerNames.h"
#include "RatingSystem.h"
#include "ScoreToDifference.h"
#include "TrfCommands.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "Version.h"

namespace tavolin {

const ShownText kCalcUsage = TAVOLIN_TEXT(
    "CalcCommandLine",
    "Utilisation : tavolin-calc [OPTIONS] PARTIE...\n"
    "              tavolin-calc [OPTIONS] --pgn FICHIER [--player NOM]\n"
    "              tavolin-calc [OPTIONS] --trf FICHIER [--player NOM]\n"
    "              tavolin-calc [-d C] --history FICHIER [--slot N]\n"
    "              tavolin-calc [--fide-db FICHIER] --fide-find TEXTE\n"
    "              tavolin-calc [--fide-db FICHIER] --fide-list-import FICHIER [--month AAAA-MM]\n"
    "              tavolin-calc [--fide-db FICHIER] --fide-list-download [ADRESSE]\n"
    "Calcule le nouveau classement d'un joueur d'échecs à partir des parties d'une période.\n"
    "\n"
    "  PARTIE                    le classement de l'adversaire suivi du signe du résultat : "
    "1850+ 1700= 2010-\n"
    "  -s, --system SYS          elo | injes | fide | perf | fide2024   (elo par défaut)\n"
    "  -r, --rating TEXTE        le classement actuel tel qu'il est tapé dans son champ "
    "(vide par défaut)\n"
    "  -j, --young               la case « Jeune » est cochée\n"
    "  -k, --coefficient TEXTE   le coefficient FIDE tel qu'il est choisi (\"25\" par défaut ; "
    "un texte autre que 10, 15, 25 garde 25) ; pour fide2024 le facteur K 40, 20 ou 10 "
    "(20 par défaut)\n"
    "  -i, --interpolation       l'option « Interpolation » est cochée\n"
    "  -a, --round               l'option « Arrondi » est cochée\n"
    "  -d, --decimal-separator C le séparateur décimal des résultats (par défaut celui de la "
    "langue)\n"
    "      --table               affiche la table des pourcentages : 100 lignes "
    "\"POURCENTAGE<TAB>DIFFÉRENCE\", de 100 à 1 ; sortie 0\n"
    "      --difference P        affiche la différence de classement pour la fraction du score "
    "P, de 0 à 1 : par l'intégration avec -i, sinon par la table des seuils ; sortie 0\n"
    "      --pgn FICHIER         avec --player NOM : les parties de ce joueur dans un fichier "
    "PGN, à la place des PARTIEs (Elo de l'adversaire de 1000 à 3000, résultat 1-0, 0-1 ou "
    "1/2-1/2 ; les autres sont comptées sur la sortie d'erreur) ; seul : les joueurs du "
    "fichier, \"NOM<TAB>PARTIES\", le plus de parties d'abord\n"
    "      --trf FICHIER         avec --player NOM : les parties classées de ce joueur dans un "
    "rapport de tournoi FIDE (TRF), à la place des PARTIEs, et sans -r son classement du "
    "fichier (les forfaits, les exempts, les absences et les adversaires non classés sont "
    "comptés sur la sortie d'erreur) ; seul : les joueurs du rapport, "
    "\"NUMÉRO<TAB>NOM<TAB>CLASSEMENT<TAB>POINTS\", dans l'ordre du fichier\n"
    "      --player NOM          le joueur dont --pgn ou --trf prend les parties, nommé comme la "
    "fenêtre "
    "compare les noms : ni la casse, ni les accents, ni les blancs, ni l'ordre autour de la "
    "virgule ne comptent ; un nom de 20 caractères peut être coupé ; plusieurs joueurs qui "
    "conviennent également sont refusés\n"
    "      --detail              après les résultats, une ligne par partie : numéro, "
    "adversaire, résultat, comptée (oui ou non), et pour fide et fide2024 la différence "
    "retenue, le score attendu et la variation\n"
    "      --history FICHIER     les périodes closes d'un historique (tavolin-history.sqlite), "
    "de la plus ancienne à la plus récente, une ligne chacune : date de clôture AAAA-MM-JJ, "
    "joueur (1 à 10), nom, système, parties, score, classement avant, nouveau classement\n"
    "      --slot N              avec --history : les périodes du joueur N seulement\n"
    "      --fide-db FICHIER     la base de la liste FIDE (par défaut liste-fide.sqlite dans "
    "le dossier des données de l'utilisateur, $XDG_DATA_HOME/tavolin)\n"
    "      --fide-find TEXTE     cherche dans la liste FIDE : un nombre de 5 chiffres ou plus "
    "est un identifiant FIDE, des mots sont des débuts de mots du nom, dans n'importe quel ordre, "
    "sans compter ni la casse ni les accents ; au plus 20 lignes, les joueurs actifs d'abord puis "
    "du mieux classé au moins bien classé : "
    "\"ID<TAB>NOM<TAB>FÉD<TAB>TITRE<TAB>STANDARD<TAB>K<TAB>RAPIDE<TAB>BLITZ<TAB>NAISSANCE<TAB>"
    "DRAPEAU\" ; un champ vide pour un joueur non classé, un K ou une année inconnus ; aucune "
    "ligne quand aucun joueur ne convient\n"
    "      --fide-list-import FICHIER  importe la liste FIDE de son zip (players_list.zip) ou de "
    "son texte, à la place de la liste en place, qui reste entière si l'import échoue ; affiche "
    "\"JOUEURS<TAB>MOIS\" ; les lignes abîmées sont comptées sur la sortie d'erreur\n"
    "      --month AAAA-MM       avec --fide-list-import : le mois de la liste (par défaut celui "
    "de son en-tête, sinon la date du fichier de la liste)\n"
    "      --fide-list-download [ADRESSE]  télécharge la liste FIDE (par défaut "
    "https://ratings.fide.com/download/players_list.zip) et l'importe comme --fide-list-import ;"
    " les Mo reçus sur la sortie d'erreur ; une liste déjà la plus récente est dite, état 0\n"
    "  -h, --help                cette aide\n"
    "      --version             la version du programme\n");

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
std::variant<GameEntry, std::string_view> readGame(std::string_view argument) {
    const std::string_view rating =
        argument.empty() ? argument : argument.substr(0, argument.size() - 1);
    const std::string_view sign =
        argument.empty() ? argument : argument.substr(argument.size() - 1);
    const auto opponentRating = readOpponentRating(rating);
    if (!opponentRating) {
        return messages::kOpponentRatingError;
    }
    const auto score = readResultSign(sign);
    if (!score) {
        return messages::kResultError;
    }
    return GameEntry{*opponentRating, *score};
}

std::string_view captionOf(ResultLabel label, RatingSystem system) {
    const ResultCaptions captions = resultCaptions(system);
    switch (label) {
        case ResultLabel::average:
            return kAverageCaption;
        case ResultLabel::score:
            return captions.score;
        case ResultLabel::performance:
            return captions.performance;
        case ResultLabel::newRating:
            return captions.newRating;
    }
    return {};
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// The games typed as arguments; nothing when one is refused, after saying why.
std::optional<std::vector<GameEntry>> typedGames(const CalcOptions& options, std::ostream& err) {
    std::vector<GameEntry> games;
    for (std::string_view argument : options.games) {
        if (games.size() == kMaxGames) {
            err << messages::kTooManyGames << '\n';
            return std::nullopt;
        }
        const auto game = readGame(argument);
        if (const auto* message = std::get_if<std::string_view>(&game)) {
            err << *message << '\n';
            return std::nullopt;
        }
        games.push_back(std::get<GameEntry>(game));
    }
    return games;
}

// Reads the PGN file through `handle` until `stop` says so; false after saying why it could
// not be read.
bool readPgnOption(const CalcOptions& options, const PgnReader::GameHandler& handle,
                   std::ostream& err, const std::function<bool()>& stop = {}) {
    PgnReader reader(handle);
    const QString error = readPgnFile(QString::fromStdString(*options.pgn), reader,
                                      [&](qint64, qint64) { return !stop || !stop(); });
    if (!error.isEmpty()) {
        err << error.toStdString() << '\n';
        return false;
    }
    if (reader.truncated()) {
        err << filledMessage(messages::kPgnDamaged, *options.pgn) << '\n';
    }
    return true;
}

std::optional<std::vector<PgnPlayer>> readPgnPlayers(const CalcOptions& options,
                                                     std::ostream& err) {
    PgnPlayerList list{NameKey(utf8NameKey)};
    if (!readPgnOption(
            options, [&](const PgnGameTags& game) { list.add(game); }, err)) {
        return std::nullopt;
    }
    return std::move(list).players();
}

int listPgnPlayers(const CalcOptions& options, std::ostream& out, std::ostream& err) {
    const auto players = readPgnPlayers(options, err);
    if (!players) {
        return kExitRefused;
    }
    for (const PgnPlayer& player : *players) {
        out << player.name << '\t' << player.games << '\n';
    }
    return kExitDone;
}

// The file's player named `--player`, as the window's import chooses him; nothing after
// saying why.
std::optional<PgnPlayer> namedPgnPlayer(const CalcOptions& options, std::ostream& err) {
    const auto players = readPgnPlayers(options, err);
    if (!players) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(players->size());
    for (const PgnPlayer& player : *players) {
        names.push_back(player.name);
    }
    const auto chosen = namedPlayerIndex(*options.player, names, *options.pgn, err);
    if (!chosen) {
        return std::nullopt;
    }
    return players->at(*chosen);
}

// The player's importable games from the PGN file, in file order; nothing after saying why.
// The reading stops at the first game past the fifty a period holds.
std::optional<std::vector<GameEntry>> pgnGames(const CalcOptions& options, std::ostream& err) {
    const auto named = namedPgnPlayer(options, err);
    if (!named) {
        return std::nullopt;
    }
    PgnPlayerGames player(named->key, utf8NameKey, static_cast<std::size_t>(kMaxGames) + 1);
    if (!readPgnOption(
            options, [&](const PgnGameTags& game) { player.add(game); }, err,
            [&] { return player.full(); })) {
        return std::nullopt;
    }
    if (player.full()) {
        err << messages::kTooManyGames << '\n';
        return std::nullopt;
    }
    if (const std::string skipped = player.skippedSummary(); !skipped.empty()) {
        err << skipped << '\n';
    }
    if (player.games().empty()) {
        err << filledMessage(messages::kPgnNoGameFor, named->name, *options.pgn) << '\n';
        return std::nullopt;
    }
    std::vector<GameEntry> games;
    for (const PgnImportedGame& game : player.games()) {
        games.push_back(game.entry);
    }
    return games;
}

// "1<TAB>1900<TAB>1<TAB>oui<TAB>-50<TAB>0,43<TAB>11,40": number, opponent, result, counted,
// then for a weighed game the difference used, the expected score and the change.
void printDetail(const std::vector<GameDetail>& details, std::string_view decimalSeparator,
                 std::ostream& out) {
    for (const GameDetail& game : details) {
        out << game.number << '\t' << resultFigureText(game.opponentRating, decimalSeparator)
            << '\t' << resultFigureText(game.score, decimalSeparator) << '\t'
            << (game.counted ? "oui" : "non");
        if (game.weighed) {
            out << '\t' << resultFigureText(game.difference, decimalSeparator) << '\t'
                << twoDecimals(game.expected, decimalSeparator) << '\t'
                << twoDecimals(game.change, decimalSeparator);
        }
        out << '\n';
    }
}

int calculateGames(const CalcOptions& options, std::span<const GameEntry> games,
                   std::string_view decimalSeparator, std::ostream& out, std::ostream& err) {
    CalculationInput input;
    input.ratingText = options.rating;
    input.games = games;
    input.young = options.young;
    const std::string coefficient = coefficientText(options);
    input.coefficientText = coefficient;
    input.system = options.system;
    input.interpolation = options.interpolation;
    input.roundToTens = options.round;
    input.decimalSeparator = decimalSeparator;
    const CalculationResult result = calculate(input);

    if (!result.message.empty()) {
        err << result.message << '\n';
        return kExitRefused;
    }
    for (const LabelText& label : result.labels) {
        out << withoutTrailingBlanks(captionOf(label.label, options.system));
        if (!label.text.empty()) {
            out << ' ' << label.text;
        }
        out << '\n';
    }
    for (const std::string& note : result.notes) {
        err << note << '\n';
    }
    if (options.detail) {
        printDetail(result.details, decimalSeparator, out);
    }
    return kExitDone;
}

// A period's line, "2025-06-30<TAB>3<TAB>Joueur 3<TAB>fide2024<TAB>5<TAB>3,5<TAB><TAB>1779",
// appended field by field rather than joined from texts: a long history has a hundred
// thousand of them.
void appendHistoryLine(std::string& lines, const PeriodSummary& period, QChar separator) {
    const auto appendNumber = [&lines](int number) {
        char digits[16];
        lines.append(digits, std::to_chars(std::begin(digits), std::end(digits), number).ptr);
    };
    const QDate& day = period.closedOn;
    if (day.year() >= 1 && day.year() <= 9999) {
        char text[16];
        lines.append(text,
                     static_cast<std::size_t>(std::snprintf(text, sizeof text, "%04d-%02d-%02d",
                                                            day.year(), day.month(), day.day())));
    } else {
        lines += day.toString(u"yyyy-MM-dd").toStdString();
    }
    lines += '\t';
    appendNumber(period.slot);
    lines += '\t';
    lines += period.playerName.toStdString();
    lines += '\t';
    lines += systemName(period.system);
    lines += '\t';
    appendNumber(period.gameCount);
    lines += '\t';
    lines += pointsText(period.points, separator).toStdString();
    lines += '\t';
    if (period.ratingBefore) {
        appendNumber(*period.ratingBefore);
    }
    lines += '\t';
    appendNumber(period.newRating);
    lines += '\n';
}

// The closed periods, a line each, fields as their columns in the history. Nothing is
// printed before the whole history is read: a damaged one is told, never listed in part.
int listHistory(const std::string& file, int slot, const std::string& decimalSeparator,
                std::ostream& out, std::ostream& err) {
    const QString path = QString::fromStdString(file);
    if (!QFileInfo(path).isFile()) {
        err << cannotReadText(path).toStdString() << '\n';
        return kExitRefused;
    }
    // A chunk's summaries at a time: the history's games are never held in memory.
    constexpr std::size_t kPeriodsPerChunk = 4096;
    std::string lines;
    try {
        const QChar separator = QString::fromStdString(decimalSeparator).front();
        HistoryListing listing(path, slot);
        while (!listing.atEnd()) {
            for (const PeriodSummary& period : listing.next(kPeriodsPerChunk)) {
                appendHistoryLine(lines, period, separator);
            }
        }
    } catch (const FileError& error) {
        err << error.what() << '\n';
        return kExitRefused;
    }
    out << lines;
    return kExitDone;
}

}  // namespace

int runCalcCommandLine(std::span<const std::string_view> arguments,
                       std::string_view localeDecimalSeparator, std::ostream& out,
                       std::ostream& err) {
    const auto parsed = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << "tavolin-calc: " << error->message << "\n\n" << kCalcUsage;
        return kExitUsage;
    }
    const CalcOptions& options = std::get<CalcOptions>(parsed);

    if (options.version) {
        out << "tavolin-calc " << kVersion << '\n';
        return kExitDone;
    }
    if (options.help) {
        out << kCalcUsage;
        return kExitDone;
    }
    if (options.table) {
        for (const PercentageRow& row : percentageTable()) {
            out << row.percent << '\t' << row.difference << '\n';
        }
        return kExitDone;
    }
    if (options.difference) {
        const double p = *options.difference;
        out << (options.interpolation ? differenceByIntegration(p) : differenceFromTable(p))
            << '\n';
        return kExitDone;
    }
    if (options.history) {
        return listHistory(*options.history, options.slot.value_or(0),
                           options.decimalSeparator.value_or(std::string(localeDecimalSeparator)),
                           out, err);
    }
    if (options.fideFind) {
        return findInFideList(options, out, err);
    }
    if (options.fideListImport) {
        return importFideListFile(options, out, err);
    }
    if (options.fideListDownload) {
        return downloadFideListCommand(options, out, err);
    }
    if (options.pgn && !options.player) {
        return listPgnPlayers(options, out, err);
    }
    if (options.trf && !options.player) {
        return listTrfPlayers(options, out, err);
    }
    const std::string decimalSeparator =
        options.decimalSeparator.value_or(std::string(localeDecimalSeparator));
    if (options.trf) {
        const auto taken = trfCalculationGames(options, err);
        if (!taken) {
            return kExitRefused;
        }
        CalcOptions withRating = options;
        withRating.rating = taken->ratingText;
        return calculateGames(withRating, taken->games, decimalSeparator, out, err);
    }
    const auto games = options.pgn ? pgnGames(options, err) : typedGames(options, err);
    if (!games) {
        return kExitRefused;
    }
    return calculateGames(options, *games, decimalSeparator, out, err);
}

}  // namespace tavolin