// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcArguments.h"

#include <algorithm>
#include <charconv>

#include "FilledMessage.h"
#include "ShownText.h"
#include "TextReading.h"

namespace tavolin {

namespace {

// The message of a refused command line, in the language shown, "%1" filled with `value`.
UsageError usageError(const ShownText& text, std::string_view value = {}) {
    return UsageError{filledMessage(text, value)};
}

enum class Option {
    System,
    Rating,
    Young,
    Coefficient,
    Interpolation,
    Round,
    Separator,
    Table,
    Difference,
    Pgn,
    Trf,
    Player,
    Help,
    Version,
    Detail,
    History,
    Slot,
    FideDatabase,
    FideFind,
    FideListImport,
    FideListDownload,
    Month
};

struct KnownOption {
    Option option;
    char shortName;  // 0 when there is none
    std::string_view longName;
    bool takesValue;
};

constexpr KnownOption kOptions[] = {
    {Option::System, 's', "system", true},
    {Option::Rating, 'r', "rating", true},
    {Option::Young, 'j', "young", false},
    {Option::Coefficient, 'k', "coefficient", true},
    {Option::Interpolation, 'i', "interpolation", false},
    {Option::Round, 'a', "round", false},
    {Option::Separator, 'd', "decimal-separator", true},
    {Option::Table, 0, "table", false},
    {Option::Difference, 0, "difference", true},
    {Option::Pgn, 0, "pgn", true},
    {Option::Trf, 0, "trf", true},
    {Option::Player, 0, "player", true},
    {Option::Help, 'h', "help", false},
    {Option::Version, 0, "version", false},
    {Option::Detail, 0, "detail", false},
    {Option::History, 0, "history", true},
    {Option::Slot, 0, "slot", true},
    {Option::FideDatabase, 0, "fide-db", true},
    {Option::FideFind, 0, "fide-find", true},
    {Option::FideListImport, 0, "fide-list-import", true},
    {Option::FideListDownload, 0, "fide-list-download", false},
    {Option::Month, 0, "month", true},
};

// "2026-10": four digits, a dash, a month from 01 to 12.
bool isListMonth(std::string_view text) {
    const auto digit = [&text](std::size_t at) { return text[at] >= '0' && text[at] <= '9'; };
    if (text.size() != 7 || text[4] != '-' || !digit(0) || !digit(1) || !digit(2) || !digit(3) ||
        !digit(5) || !digit(6)) {
        return false;
    }
    const int month = (text[5] - '0') * 10 + (text[6] - '0');
    return month >= 1 && month <= 12;
}

const KnownOption* findLong(std::string_view name) {
    for (const KnownOption& spec : kOptions) {
        if (spec.longName == name) {
            return &spec;
        }
    }
    return nullptr;
}

const KnownOption* findShort(char name) {
    for (const KnownOption& spec : kOptions) {
        if (spec.shortName != 0 && spec.shortName == name) {
            return &spec;
        }
    }
    return nullptr;
}

// Options start with "-" and a letter, or with "--"; anything else ("-", "-1000+") is a game.
bool looksLikeOption(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') {
        return false;
    }
    const char c = argument[1];
    return c == '-' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::optional<RatingSystem> systemNamed(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    for (const RatingSystem system : kRatingSystems) {
        if (lower == systemName(system)) {
            return system;
        }
    }
    return std::nullopt;
}

// One character of UTF-8: a lead byte followed by its continuation bytes.
bool isOneCharacter(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length != text.size()) {
        return false;
    }
    return std::all_of(text.begin() + 1, text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

std::optional<double> readDouble(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<UsageError> apply(const KnownOption& spec, std::string_view value,
                                CalcOptions& options) {
    switch (spec.option) {
        case Option::System:
            if (const auto system = systemNamed(value)) {
                options.system = *system;
                return std::nullopt;
            }
            return usageError(
                TAVOLIN_TEXT("CalcArguments",
                             "système inconnu « %1 » (elo, injes, fide, perf ou fide2024)"),
                value);
        case Option::Rating:
            options.rating = value;
            break;
        case Option::Young:
            options.young = true;
            break;
        case Option::Coefficient:
            options.coefficient = value;
            break;
        case Option::Interpolation:
            options.interpolation = true;
            break;
        case Option::Round:
            options.round = true;
            break;
        case Option::Separator:
            if (!isOneCharacter(value)) {
                return usageError(
                    TAVOLIN_TEXT("CalcArguments", "le séparateur décimal est un seul caractère"));
            }
            options.decimalSeparator = std::string(value);
            break;
        case Option::Table:
            options.table = true;
            break;
        case Option::Difference:
            // A score fraction: a number from 0 to 1 (NaN compares false and is refused).
            options.difference = readDouble(value);
            if (!options.difference || !(*options.difference >= 0 && *options.difference <= 1)) {
                return usageError(
                    TAVOLIN_TEXT("CalcArguments",
                                 "--difference prend une fraction du score de 0 à 1, pas « %1 »"),
                    value);
            }
            break;
        case Option::Pgn:
            options.pgn = std::string(value);
            break;
        case Option::Trf:
            options.trf = std::string(value);
            break;
        case Option::Player:
            options.player = std::string(value);
            break;
        case Option::Help:
            options.help = true;
            break;
        case Option::Version:
            options.version = true;
            break;
        case Option::Detail:
            options.detail = true;
            break;
        case Option::History:
            options.history = std::string(value);
            break;
        case Option::Slot:
            options.slot = readDecimalDigits(value, 2);
            if (!options.slot || *options.slot < 1 || *options.slot > 10) {
                return usageError(
                    TAVOLIN_TEXT("CalcArguments", "--slot prend un joueur de 1 à 10, pas « %1 »"),
                    value);
            }
            break;
        case Option::FideDatabase:
            options.fideDatabase = std::string(value);
            break;
        case Option::FideFind:
            options.fideFind = std::string(value);
            break;
        case Option::FideListImport:
            options.fideListImport = std::string(value);
            break;
        case Option::FideListDownload:
            options.fideListDownload = true;
            break;
        case Option::Month:
            if (!isListMonth(value)) {
                return usageError(
                    TAVOLIN_TEXT("CalcArguments",
                                 "--month prend un mois AAAA-MM (2026-10), pas « %1 »"),
                    value);
            }
            options.month = std::string(value);
            break;
    }
    return std::nullopt;
}

}  // namespace

std::variant<CalcOptions, UsageError> parseArguments(std::span<const std::string_view> arguments) {
    CalcOptions options;
    bool gamesOnly = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (gamesOnly || !looksLikeOption(argument)) {
            options.games.push_back(argument);
            continue;
        }
        if (argument == "--") {
            gamesOnly = true;
            continue;
        }
        auto nextValue = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            return arguments[++i];
        };

        if (argument.starts_with("--")) {
            const std::string_view body = argument.substr(2);
            const std::size_t equals = body.find('=');
            const std::string_view name = body.substr(0, equals);
            const KnownOption* spec = findLong(name);
            if (spec == nullptr) {
                return usageError(TAVOLIN_TEXT("CalcArguments", "option inconnue --%1"), name);
            }
            std::optional<std::string_view> value;
            if (equals != std::string_view::npos) {
                if (!spec->takesValue) {
                    return usageError(
                        TAVOLIN_TEXT("CalcArguments", "l'option --%1 ne prend pas de valeur"),
                        name);
                }
                value = body.substr(equals + 1);
            } else if (spec->takesValue) {
                value = nextValue();
                if (!value) {
                    return usageError(
                        TAVOLIN_TEXT("CalcArguments", "l'option --%1 demande une valeur"), name);
                }
            }
            if (auto error = apply(*spec, value.value_or(""), options)) {
                return *error;
            }
            continue;
        }

        // A cluster of short options: "-ja", "-s elo", "-sfide".
        for (std::size_t at = 1; at < argument.size(); ++at) {
            const KnownOption* spec = findShort(argument[at]);
            if (spec == nullptr) {
                return usageError(TAVOLIN_TEXT("CalcArguments", "option inconnue -%1"),
                                  argument.substr(at, 1));
            }
            if (!spec->takesValue) {
                if (auto error = apply(*spec, "", options)) {
                    return *error;
                }
                continue;
            }
            std::optional<std::string_view> value = argument.substr(at + 1);
            if (value->empty()) {
                value = nextValue();
                if (!value) {
                    return usageError(
                        TAVOLIN_TEXT("CalcArguments", "l'option -%1 demande une valeur"),
                        argument.substr(at, 1));
                }
            }
            if (auto error = apply(*spec, *value, options)) {
                return *error;
            }
            break;
        }
    }

    if (options.table && options.difference) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "--table et --difference ne vont pas ensemble"));
    }
    if ((options.table || options.difference) && !options.games.empty()) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "--table et --difference ne prennent pas de PARTIE"));
    }
    if (options.slot && !options.history) {
        return usageError(TAVOLIN_TEXT("CalcArguments", "--slot demande --history FICHIER"));
    }
    if (options.history &&
        (!options.games.empty() || options.pgn || options.table || options.difference)) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments",
                         "--history ne prend ni PARTIE, ni --pgn, ni --table, ni --difference"));
    }
    // --fide-list-download's address, when given, is the one argument after the options.
    if (options.fideListDownload && !options.fideFind && !options.fideListImport &&
        options.games.size() == 1 && !options.pgn && !options.table && !options.difference &&
        !options.history) {
        options.fideListAddress = std::string(options.games.front());
        options.games.clear();
    }
    const bool fideList = options.fideFind || options.fideListImport || options.fideListDownload;
    if (int(options.fideFind.has_value()) + int(options.fideListImport.has_value()) +
            int(options.fideListDownload) >
        1) {
        return usageError(TAVOLIN_TEXT(
            "CalcArguments",
            "--fide-find, --fide-list-import et --fide-list-download ne vont pas ensemble"));
    }
    if (options.fideDatabase && !fideList) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments",
                         "--fide-db demande --fide-find TEXTE, --fide-list-import FICHIER ou "
                         "--fide-list-download"));
    }
    if (options.month && !options.fideListImport) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "--month demande --fide-list-import FICHIER"));
    }
    if (fideList && (!options.games.empty() || options.pgn || options.table || options.difference ||
                     options.history)) {
        return usageError(TAVOLIN_TEXT(
            "CalcArguments",
            "--fide-find, --fide-list-import et --fide-list-download ne prennent ni PARTIE, ni "
            "--pgn, ni --table, ni "
            "--difference, ni --history"));
    }
    if (options.pgn && options.trf) {
        return usageError(TAVOLIN_TEXT("CalcArguments", "--pgn et --trf ne vont pas ensemble"));
    }
    if (options.player && !options.pgn && !options.trf) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "--player demande --pgn FICHIER ou --trf FICHIER"));
    }
    if (options.pgn && (!options.games.empty() || options.table || options.difference)) {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "--pgn ne prend ni PARTIE, ni --table, ni --difference"));
    }
    if (options.trf && (!options.games.empty() || options.table || options.difference ||
                        options.history || fideList)) {
        return usageError(TAVOLIN_TEXT(
            "CalcArguments",
            "--trf ne prend ni PARTIE, ni --table, ni --difference, ni --history, ni la liste "
            "FIDE"));
    }
    // The 2024 regulations know three K factors; a coefficient box holds what is typed.
    if (options.system == RatingSystem::Fide2024 && options.coefficient &&
        *options.coefficient != "40" && *options.coefficient != "20" &&
        *options.coefficient != "10") {
        return usageError(
            TAVOLIN_TEXT("CalcArguments", "le coefficient FIDE 2024 est 40, 20 ou 10, pas « %1 »"),
            *options.coefficient);
    }
    return options;
}

std::string coefficientText(const CalcOptions& options) {
    if (options.coefficient) {
        return *options.coefficient;
    }
    return options.system == RatingSystem::Fide2024 ? "20" : "25";
}

// A game as "Valider" takes it: the rating, then its result sign as the last character.
}  // namespace tavolin
