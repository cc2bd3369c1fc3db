#pragma once

#include <string_view>

// Every message the program shows, exactly as written here (UTF-8). "%1" stands for a
// file's path.
namespace tavolin::messages {

// The warning box.

inline constexpr std::string_view kEloIncorrect = " Votre ELO actuel est incorrect";
inline constexpr std::string_view kInjesIncorrect = " Votre INJES actuel est incorrect";
inline constexpr std::string_view kFideIncorrect = " Votre FIDE actuel est incorrect";
inline constexpr std::string_view kPerfGameCount =
    "Pour calculer la performance le nombre de parties doit être compris entre 4 et 13";
inline constexpr std::string_view kOpponentRatingError = "Erreur sur le elo";
inline constexpr std::string_view kResultError = "Erreur sur le résultat de la partie ";
inline constexpr std::string_view kTooManyGames = "Impossible d'ajouter plus de 50 parties";
inline constexpr std::string_view kModeError = "Erreur sur le mode";
inline constexpr std::string_view kPlayerFileMissing = "Impossible d'accéder à tavo.lin";

// The error box.
inline constexpr std::string_view kCannotRead = "Impossible de lire %1.";
inline constexpr std::string_view kCannotWrite = "Impossible d'écrire dans %1.";
inline constexpr std::string_view kUnexpectedError =
    "Une erreur inattendue a interrompu l'opération.";

}  // namespace tavolin::messages
