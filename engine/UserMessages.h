// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Every message the program shows, exactly as written here (UTF-8).
namespace tavolin::messages {

// The warning box.

inline constexpr std::string_view kEloIncorrect = " Votre ELO actuel est incorrect";
inline constexpr std::string_view kInjesIncorrect = " Votre INJES actuel est incorrect";
inline constexpr std::string_view kFideIncorrect = " Votre FIDE actuel est incorrect";
inline constexpr std::string_view kPerfGameCount =
    "Pour calculer la performance le nombre de parties doit être compris entre 4 et 13";
inline constexpr std::string_view kFide2024NoCountedGame =
    "Aucune partie contre un adversaire classé FIDE (1400 ou plus)";
inline constexpr std::string_view kFide2024TooFewGames =
    "Un premier classement FIDE demande au moins 5 parties contre des joueurs classés";
inline constexpr std::string_view kFide2024ZeroScore =
    "Un premier classement FIDE demande au moins un demi-point marqué";
inline constexpr std::string_view kFide2024BelowList =
    "Le premier classement FIDE serait inférieur à 1400 : pas de classement";
// Under the results: the games the 2024 rules leave out.
inline constexpr std::string_view kFide2024LeftOutBelowListOne =
    "1 partie non comptée (adversaire classé sous 1400)";
inline constexpr std::string_view kFide2024LeftOutBelowListMany =
    "%1 parties non comptées (adversaire classé sous 1400)";
inline constexpr std::string_view kFide2024LeftOutDamagedOne =
    "1 partie non comptée (partie abîmée)";
inline constexpr std::string_view kFide2024LeftOutDamagedMany =
    "%1 parties non comptées (parties abîmées)";
// Under the results and in the detail: the K factor used when 700 / games caps the box's.
inline constexpr std::string_view kFide2024CoefficientCapped = "K %1 (700 / %2 parties)";
inline constexpr std::string_view kFide2024LeavesList =
    "Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste";
inline constexpr std::string_view kOpponentRatingError = "Erreur sur le elo";
inline constexpr std::string_view kResultError = "Erreur sur le résultat de la partie ";
inline constexpr std::string_view kTooManyGames = "Impossible d'ajouter plus de 50 parties";
// A player's stored rating system is none of the five.
inline constexpr std::string_view kSystemError = "Erreur sur le mode";
inline constexpr std::string_view kPlayerFileMissing = "Impossible d'accéder à tavo.lin";
inline constexpr std::string_view kNoCalculationToDetail =
    "Aucun calcul à détailler : cliquez d'abord sur CALCUL.";
inline constexpr std::string_view kNameCharacterRefused =
    "« %1 » ne peut pas être enregistré dans le fichier des joueurs";
inline constexpr std::string_view kAlreadyOpen = "Tavolin est déjà ouvert dans %1.";

// The error box: "%1" is a file's full path, "%2" a reason below.
inline constexpr std::string_view kCannotRead = "Impossible de lire %1 : %2.";
inline constexpr std::string_view kCannotWrite = "Impossible d'écrire dans %1 : %2.";
inline constexpr std::string_view kFileTooShort =
    "Le fichier %1 est trop court : %2 octets au lieu de %3.";
inline constexpr std::string_view kNoSuchRecord = "Le fichier %1 n'a pas d'enregistrement %2.";
inline constexpr std::string_view kPictureUnreadable = "L'image %1 n'est pas un bitmap lisible.";
// At start-up, a damaged player file: its full path, then the players (3, 7), or its size
// and the size it should have; then where the copy of it is.
inline constexpr std::string_view kPlayerFileDamaged =
    "Le fichier des joueurs %1 est abîmé : les joueurs %2 ne sont pas tels que le programme "
    "les enregistre et peuvent montrer des données fausses.";
inline constexpr std::string_view kPlayerFileCut =
    "Le fichier des joueurs %1 est trop court : %2 octets au lieu de %3. Les joueurs qui "
    "manquent sont vides.";
inline constexpr std::string_view kDamagedCopyKept =
    "Une copie du fichier tel qu'il était est gardée dans %1.";
inline constexpr std::string_view kDamagedCopyFailed =
    "Aucune copie du fichier n'a pu être gardée : %1";
// At start-up, a settings file that exists but cannot be read.
inline constexpr std::string_view kSettingsUnreadable = "%1 Les options par défaut sont utilisées.";
// The second line of kPlayerFileMissing: the folder where the file was looked for.
inline constexpr std::string_view kLookedInFolder = "Dossier : %1";

// PGN import.
inline constexpr std::string_view kPgnNoGameFor = "Aucune partie de %1 dans %2";  // name, path
inline constexpr std::string_view kPgnDamaged =
    "Le fichier %1 est abîmé : seules les parties lues avant l'endroit abîmé sont prises";
inline constexpr std::string_view kPgnSkippedOne = "1 partie ignorée : %1";  // the reasons
inline constexpr std::string_view kPgnSkippedMany = "%1 parties ignorées : %2";
inline constexpr std::string_view kPgnNoPlayer = "Aucune partie dans %1";
inline constexpr std::string_view kPgnReadingStopped = "Lecture arrêtée.";
inline constexpr std::string_view kPgnReadingStoppedEarly =
    "Lecture arrêtée avant la fin du fichier : la liste des joueurs est incomplète.";
// The player's name in the file: none or several match the name he is known by.
inline constexpr std::string_view kPgnNoMatchingPlayer =
    "Aucun joueur du fichier ne s'appelle %1 : choisissez-le dans la liste.";
inline constexpr std::string_view kPgnChoosePlayer =
    "Choisissez dans la liste le joueur dont les parties sont à importer.";
inline constexpr std::string_view kPgnNoPlayerNamed = "Aucun joueur nommé %1 dans %2";
inline constexpr std::string_view kPgnSeveralPlayers =
    "Plusieurs joueurs du fichier peuvent être %1 : %2. Choisissez-le dans la liste.";
inline constexpr std::string_view kPgnSeveralPlayersNamed =
    "Plusieurs joueurs de %2 peuvent être %1 : %3";

// Tournament report import: the rounds that are no rated game.
inline constexpr std::string_view kTrfSkippedOne = "1 ronde non prise : %1";  // the reason
inline constexpr std::string_view kTrfSkippedMany = "%1 rondes non prises : %2";
inline constexpr std::string_view kTrfNoPlayer = "Aucun joueur dans %1";
// Player lines the reader could not read, left out: how many, and the first one's number.
inline constexpr std::string_view kTrfDamagedOne =
    "1 ligne de joueur abîmée n'est pas prise (ligne %1).";
inline constexpr std::string_view kTrfDamagedMany =
    "%1 lignes de joueur abîmées ne sont pas prises (la première : ligne %2).";
// The window's import of a report: a file too large to be one, and the player's own rating.
inline constexpr std::string_view kTrfTooLarge =
    "Le fichier %1 est trop grand pour un rapport de tournoi (%2 Mo au plus).";
inline constexpr std::string_view kTrfRatingFilled =
    "Le classement de ce joueur dans le fichier (%1) sera mis dans la case du classement, "
    "qui est vide.";
inline constexpr std::string_view kTrfRatingKept =
    "Le classement de ce joueur dans le fichier (%1) n'est pas pris : la case du classement "
    "en a déjà un.";

// The history of closed periods: "%1" is its full path.
inline constexpr std::string_view kHistoryBusy =
    "L'historique %1 est occupé par un autre programme : réessayez quand il l'aura libéré.";
inline constexpr std::string_view kHistoryDamaged =
    "L'historique %1 est abîmé (%2) : il n'a pas été modifié. Mettez-le de côté pour en "
    "commencer un nouveau.";
inline constexpr std::string_view kHistoryNewer =
    "L'historique %1 a été écrit par une version plus récente de Tavolin : il n'a pas été "
    "modifié.";
inline constexpr std::string_view kHistoryFailed =
    "Impossible d'utiliser l'historique %1 : la base de données a refusé l'opération (%2).";
inline constexpr std::string_view kHistoryForeign =
    "Le fichier %1 n'est pas un historique de Tavolin (%2) : il n'a pas été modifié.";
inline constexpr std::string_view kHistoryNoDriver =
    "Impossible d'ouvrir l'historique %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) "
    "n'est pas installé.";
// Closing a period: the new rating as shown, the number of games.
inline constexpr std::string_view kClosePeriodQuestion =
    "Clore la période ? Votre nouveau classement %1 devient votre classement actuel et vos %2 "
    "parties sont archivées.";
inline constexpr std::string_view kPeriodChangedDuringQuestion =
    "Les parties ou les résultats ont changé pendant la question : la période n'a pas été "
    "close.";
// Added to the closing question after a first FIDE rating.
inline constexpr std::string_view kFirstRatingCoefficient =
    " Votre facteur K devient 40, celui d'un nouveau joueur jusqu'à 30 parties.";
// Under the results once a period is closed: the ratings before and after, the games.
inline constexpr std::string_view kPeriodClosedNote =
    "Période close : %1 → %2 (%3 parties archivées)";
inline constexpr std::string_view kFirstRatingClosedNote =
    "Période close : premier classement %1 (%2 parties archivées)";
inline constexpr std::string_view kReopenNeedsNoGames =
    "Pour rouvrir la période, la liste des parties doit être vide : effacez d'abord les "
    "parties listées.";
inline constexpr std::string_view kNoCalculationToClose =
    "Aucun calcul ne correspond aux parties affichées : cliquez d'abord sur CALCUL.";
inline constexpr std::string_view kNoGameToClose = "Aucune partie à archiver.";
inline constexpr std::string_view kPerfClosesNothing =
    "Une performance ne donne pas de nouveau classement : choisissez le système de votre "
    "classement pour clore la période.";
inline constexpr std::string_view kHistoryEmpty =
    "Aucune période close. « Clore la période » archive les parties d'une période et fait de "
    "son nouveau classement le classement actuel.";
// Quitting when the player could not be saved: his name, the reason.
inline constexpr std::string_view kQuitWithoutSavingQuestion =
    "Les changements de %1 n'ont pas pu être enregistrés (%2). Quitter sans les enregistrer ?";
inline constexpr std::string_view kDeletePeriodQuestion =
    "Supprimer de l'historique la période %1 ? Ses parties seront effacées.";
// Added when the period is not the player's latest: no rating follows from the deletion.
inline constexpr std::string_view kDeleteKeepsRating =
    " Votre classement actuel reste tel qu'il est.";

// FIDE's rating list: "%1" is the file's full path. A list that cannot be imported leaves
// the list in use as it was, and the message says so.
inline constexpr std::string_view kFideListNotZip =
    "Le fichier %1 n'est ni un fichier zip ni une liste FIDE en texte : la liste en place n'a "
    "pas changé.";
inline constexpr std::string_view kFideListZipWithoutList =
    "Le zip %1 ne contient aucune liste FIDE (un fichier .txt qui commence par l'en-tête "
    "« ID Number Name… ») : la liste en place n'a pas changé.";
inline constexpr std::string_view kFideListNoHeader =
    "Le fichier %1 ne commence pas par l'en-tête de la liste FIDE (« ID Number Name… ») : la "
    "liste en place n'a pas changé.";
// The line's number follows the path.
inline constexpr std::string_view kFideListLineTooLong =
    "La ligne %2 du fichier %1 est bien trop longue pour une liste FIDE : le fichier est abîmé "
    "et la liste en place n'a pas changé.";
// Libarchive's own words follow the path.
inline constexpr std::string_view kFideListZipDamaged =
    "Le zip %1 est abîmé ou incomplet (%2) : la liste en place n'a pas changé.";
inline constexpr std::string_view kFideListNoPlayer =
    "Le fichier %1 ne contient aucun joueur : la liste en place n'a pas changé.";
// After an import: the lines left out (no FIDE ID, a number that is none, a player twice).
inline constexpr std::string_view kFideListDamagedLinesOne = "1 ligne de la liste ignorée (abîmée)";
inline constexpr std::string_view kFideListDamagedLinesMany =
    "%1 lignes de la liste ignorées (abîmées)";
inline constexpr std::string_view kFideListBadMonth =
    "Le mois de la liste s'écrit AAAA-MM (2026-10), pas « %1 ».";
inline constexpr std::string_view kFideListBusy =
    "La liste FIDE %1 est occupée par un autre programme : réessayez quand il l'aura libérée.";
inline constexpr std::string_view kFideListDamaged =
    "La liste FIDE %1 est abîmée (%2) : importez-la de nouveau.";
inline constexpr std::string_view kFideListNewer =
    "La liste FIDE %1 a été écrite par une version plus récente de Tavolin : elle n'a pas été "
    "modifiée.";
inline constexpr std::string_view kFideListForeign =
    "Le fichier %1 n'est pas une liste FIDE de Tavolin (%2) : il n'a pas été modifié.";
inline constexpr std::string_view kFideListFailed =
    "Impossible d'utiliser la liste FIDE %1 : la base de données a refusé l'opération (%2).";
inline constexpr std::string_view kFideListNoDriver =
    "Impossible d'ouvrir la liste FIDE %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) "
    "n'est pas installé.";
// Downloading FIDE's rating list: the reason follows the first text.
inline constexpr std::string_view kFideDownloadFailed =
    "Le téléchargement de la liste FIDE a échoué : %1.";
inline constexpr std::string_view kFideListAlreadyLatest =
    "La liste FIDE est déjà la plus récente.";
// The server's status and its own words for it: "404 (Not Found)".
inline constexpr std::string_view kFideDownloadStatus = "le serveur a répondu %1";
inline constexpr std::string_view kFideDownloadHostNotFound = "le serveur %1 est introuvable";
inline constexpr std::string_view kFideDownloadRefused = "le serveur %1 refuse la connexion";
inline constexpr std::string_view kFideDownloadSilent = "le serveur n'a rien envoyé pendant %1 s";
inline constexpr std::string_view kFideDownloadNoAnswer = "le serveur %1 ne répond pas";
// The bytes received and those announced.
inline constexpr std::string_view kFideDownloadCut =
    "la connexion a été coupée avant la fin (%1 octets reçus sur %2)";
inline constexpr std::string_view kFideDownloadClosed = "la connexion a été coupée avant la fin";
inline constexpr std::string_view kFideDownloadLessSafeRedirect =
    "le serveur renvoie vers une adresse moins sûre";
inline constexpr std::string_view kFideDownloadTooManyRedirects =
    "le serveur renvoie d'adresse en adresse sans fin";
inline constexpr std::string_view kFideDownloadSecureFailed =
    "la connexion sécurisée a échoué (%1)";
inline constexpr std::string_view kFideDownloadProxyFailed = "le serveur mandataire a échoué (%1)";
// Any other failure of the network: Qt's own words.
inline constexpr std::string_view kFideDownloadNetwork = "erreur du réseau (%1)";

// Why a file could not be read or written.
inline constexpr std::string_view kReasonNotFound = "fichier introuvable";
inline constexpr std::string_view kReasonFolderNotFound = "dossier introuvable";
inline constexpr std::string_view kReasonIsFolder = "c'est un dossier";
inline constexpr std::string_view kReasonNotRegularFile = "ce n'est pas un fichier ordinaire";
inline constexpr std::string_view kReasonAccessDenied = "accès refusé";
inline constexpr std::string_view kReasonDiskFull = "le disque est plein";
inline constexpr std::string_view kReasonReadError = "erreur de lecture";
inline constexpr std::string_view kReasonWriteError = "erreur d'écriture";
// A programming error: the library's own words follow.
inline constexpr std::string_view kInternalError = "Erreur interne du programme : %1";
inline constexpr std::string_view kUnexpectedError =
    "Une erreur inattendue a interrompu l'opération.";

}  // namespace tavolin::messages
