#pragma once

#include <string_view>

// The program's messages, shown in the warning box exactly as written here.
namespace tavolin::messages {

inline constexpr std::string_view kEloIncorrect = " Votre ELO actuel est incorrect";
inline constexpr std::string_view kInjesIncorrect = " Votre INJES actuel est incorrect";
inline constexpr std::string_view kFideIncorrect = " Votre FIDE actuel est incorrect";
inline constexpr std::string_view kPerfGameCount =
    "Pour calculer la performance le nombre de parties doit être compris entre 4 et 13";
inline constexpr std::string_view kOpponentRatingError = "Erreur sur le elo";
inline constexpr std::string_view kResultError = "Erreur sur le résultat de la partie ";
inline constexpr std::string_view kTooManyGames = "Impossible d'ajouter plus de 50 parties";

}  // namespace tavolin::messages
