// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ShownText.h"

// Every message the program shows, written here in French (UTF-8), shown translated when
// the user's language is another.
namespace tavolin::messages {

// The warning box.

inline constexpr ShownText kEloIncorrect =
    TAVOLIN_TEXT("messages", " Votre ELO actuel est incorrect");
inline constexpr ShownText kInjesIncorrect =
    TAVOLIN_TEXT("messages", " Votre INJES actuel est incorrect");
inline constexpr ShownText kFideIncorrect =
    TAVOLIN_TEXT("messages", " Votre FIDE actuel est incorrect");
inline constexpr ShownText kPerfGameCount = TAVOLIN_TEXT(
    "messages",
    "Pour calculer la performance le nombre de parties doit être compris entre 4 et 13");
inline constexpr ShownText kFide2024NoCountedGame =
    TAVOLIN_TEXT("messages", "Aucune partie contre un adversaire classé FIDE (1400 ou plus)");
inline constexpr ShownText kFide2024TooFewGames = TAVOLIN_TEXT(
    "messages", "Un premier classement FIDE demande au moins 5 parties contre des joueurs classés");
inline constexpr ShownText kFide2024ZeroScore =
    TAVOLIN_TEXT("messages", "Un premier classement FIDE demande au moins un demi-point marqué");
inline constexpr ShownText kFide2024BelowList = TAVOLIN_TEXT(
    "messages", "Le premier classement FIDE serait inférieur à 1400 : pas de classement");
// Under the results: the games the 2024 rules leave out.
inline constexpr ShownText kFide2024LeftOutBelowListOne =
    TAVOLIN_TEXT("messages", "1 partie non comptée (adversaire classé sous 1400)");
inline constexpr ShownText kFide2024LeftOutBelowListMany =
    TAVOLIN_TEXT("messages", "%1 parties non comptées (adversaire classé sous 1400)");
inline constexpr ShownText kFide2024LeftOutDamagedOne =
    TAVOLIN_TEXT("messages", "1 partie non comptée (partie abîmée)");
inline constexpr ShownText kFide2024LeftOutDamagedMany =
    TAVOLIN_TEXT("messages", "%1 parties non comptées (parties abîmées)");
// Under the results and in the detail: the K factor used when 700 / games caps the box's.
inline constexpr ShownText kFide2024CoefficientCapped =
    TAVOLIN_TEXT("messages", "K %1 (700 / %2 parties)");
inline constexpr ShownText kFide2024LeavesList = TAVOLIN_TEXT(
    "messages", "Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste");
inline constexpr ShownText kOpponentRatingError = TAVOLIN_TEXT("messages", "Erreur sur le elo");
inline constexpr ShownText kResultError =
    TAVOLIN_TEXT("messages", "Erreur sur le résultat de la partie ");
inline constexpr ShownText kTooManyGames =
    TAVOLIN_TEXT("messages", "Impossible d'ajouter plus de 50 parties");
// A player's stored rating system is none of the five.
inline constexpr ShownText kSystemError = TAVOLIN_TEXT("messages", "Erreur sur le mode");
inline constexpr ShownText kPlayerFileMissing =
    TAVOLIN_TEXT("messages", "Impossible d'accéder à tavo.lin");
inline constexpr ShownText kNoCalculationToDetail =
    TAVOLIN_TEXT("messages", "Aucun calcul à détailler : cliquez d'abord sur CALCUL.");
inline constexpr ShownText kNameCharacterRefused =
    TAVOLIN_TEXT("messages", "« %1 » ne peut pas être enregistré dans le fichier des joueurs");
inline constexpr ShownText kAlreadyOpen =
    TAVOLIN_TEXT("messages", "Tavolin est déjà ouvert dans %1.");

// The error box: "%1" is a file's full path, "%2" a reason below.
inline constexpr ShownText kCannotRead = TAVOLIN_TEXT("messages", "Impossible de lire %1 : %2.");
inline constexpr ShownText kCannotWrite =
    TAVOLIN_TEXT("messages", "Impossible d'écrire dans %1 : %2.");
inline constexpr ShownText kFileTooShort =
    TAVOLIN_TEXT("messages", "Le fichier %1 est trop court : %2 octets au lieu de %3.");
inline constexpr ShownText kNoSuchRecord =
    TAVOLIN_TEXT("messages", "Le fichier %1 n'a pas d'enregistrement %2.");
inline constexpr ShownText kPictureUnreadable =
    TAVOLIN_TEXT("messages", "L'image %1 n'est pas un bitmap lisible.");
// At start-up, a damaged player file: its full path, then the players (3, 7), or its size
// and the size it should have; then where the copy of it is.
inline constexpr ShownText kPlayerFileDamaged = TAVOLIN_TEXT(
    "messages",
    "Le fichier des joueurs %1 est abîmé : les joueurs %2 ne sont pas tels que le programme "
    "les enregistre et peuvent montrer des données fausses.");
inline constexpr ShownText kPlayerFileCut = TAVOLIN_TEXT(
    "messages",
    "Le fichier des joueurs %1 est trop court : %2 octets au lieu de %3. Les joueurs qui "
    "manquent sont vides.");
inline constexpr ShownText kDamagedCopyKept =
    TAVOLIN_TEXT("messages", "Une copie du fichier tel qu'il était est gardée dans %1.");
inline constexpr ShownText kDamagedCopyFailed =
    TAVOLIN_TEXT("messages", "Aucune copie du fichier n'a pu être gardée : %1");
// At start-up, a settings file that exists but cannot be read.
inline constexpr ShownText kSettingsUnreadable =
    TAVOLIN_TEXT("messages", "%1 Les options par défaut sont utilisées.");
// The second line of kPlayerFileMissing: the folder where the file was looked for.
inline constexpr ShownText kLookedInFolder = TAVOLIN_TEXT("messages", "Dossier : %1");

// PGN import.
inline constexpr ShownText kPgnNoGameFor =
    TAVOLIN_TEXT("messages", "Aucune partie de %1 dans %2");  // name, path
inline constexpr ShownText kPgnDamaged = TAVOLIN_TEXT(
    "messages",
    "Le fichier %1 est abîmé : seules les parties lues avant l'endroit abîmé sont prises");
inline constexpr ShownText kPgnSkippedOne =
    TAVOLIN_TEXT("messages", "1 partie ignorée : %1");  // the reasons
inline constexpr ShownText kPgnSkippedMany = TAVOLIN_TEXT("messages", "%1 parties ignorées : %2");
inline constexpr ShownText kPgnNoPlayer = TAVOLIN_TEXT("messages", "Aucune partie dans %1");
inline constexpr ShownText kPgnReadingStopped = TAVOLIN_TEXT("messages", "Lecture arrêtée.");
inline constexpr ShownText kPgnReadingStoppedEarly = TAVOLIN_TEXT(
    "messages", "Lecture arrêtée avant la fin du fichier : la liste des joueurs est incomplète.");
// The player's name in the file: none or several match the name he is known by.
inline constexpr ShownText kPgnNoMatchingPlayer = TAVOLIN_TEXT(
    "messages", "Aucun joueur du fichier ne s'appelle %1 : choisissez-le dans la liste.");
inline constexpr ShownText kPgnChoosePlayer = TAVOLIN_TEXT(
    "messages", "Choisissez dans la liste le joueur dont les parties sont à importer.");
inline constexpr ShownText kPgnNoPlayerNamed =
    TAVOLIN_TEXT("messages", "Aucun joueur nommé %1 dans %2");
inline constexpr ShownText kPgnSeveralPlayers = TAVOLIN_TEXT(
    "messages", "Plusieurs joueurs du fichier peuvent être %1 : %2. Choisissez-le dans la liste.");
inline constexpr ShownText kPgnSeveralPlayersNamed =
    TAVOLIN_TEXT("messages", "Plusieurs joueurs de %2 peuvent être %1 : %3");

// Tournament report import: the rounds that are no rated game.
inline constexpr ShownText kTrfSkippedOne =
    TAVOLIN_TEXT("messages", "1 ronde non prise : %1");  // the reason
inline constexpr ShownText kTrfSkippedMany = TAVOLIN_TEXT("messages", "%1 rondes non prises : %2");
inline constexpr ShownText kTrfNoPlayer = TAVOLIN_TEXT("messages", "Aucun joueur dans %1");
// Player lines the reader could not read, left out: how many, and the first one's number.
inline constexpr ShownText kTrfDamagedOne =
    TAVOLIN_TEXT("messages", "1 ligne de joueur abîmée n'est pas prise (ligne %1).");
inline constexpr ShownText kTrfDamagedMany = TAVOLIN_TEXT(
    "messages", "%1 lignes de joueur abîmées ne sont pas prises (la première : ligne %2).");
// The window's import of a report: a file too large to be one, and the player's own rating.
inline constexpr ShownText kTrfTooLarge = TAVOLIN_TEXT(
    "messages", "Le fichier %1 est trop grand pour un rapport de tournoi (%2 Mo au plus).");
inline constexpr ShownText kTrfRatingFilled = TAVOLIN_TEXT(
    "messages",
    "Le classement de ce joueur dans le fichier (%1) sera mis dans la case du classement, "
    "qui est vide.");
inline constexpr ShownText kTrfRatingKept = TAVOLIN_TEXT(
    "messages",
    "Le classement de ce joueur dans le fichier (%1) n'est pas pris : la case du classement "
    "en a déjà un.");

// The history of closed periods: "%1" is its full path.
inline constexpr ShownText kHistoryBusy = TAVOLIN_TEXT(
    "messages",
    "L'historique %1 est occupé par un autre programme : réessayez quand il l'aura libéré.");
inline constexpr ShownText kHistoryDamaged = TAVOLIN_TEXT(
    "messages",
    "L'historique %1 est abîmé (%2) : il n'a pas été modifié. Mettez-le de côté pour en "
    "commencer un nouveau.");
inline constexpr ShownText kHistoryNewer = TAVOLIN_TEXT(
    "messages",
    "L'historique %1 a été écrit par une version plus récente de Tavolin : il n'a pas été "
    "modifié.");
inline constexpr ShownText kHistoryFailed = TAVOLIN_TEXT(
    "messages",
    "Impossible d'utiliser l'historique %1 : la base de données a refusé l'opération (%2).");
inline constexpr ShownText kHistoryForeign = TAVOLIN_TEXT(
    "messages", "Le fichier %1 n'est pas un historique de Tavolin (%2) : il n'a pas été modifié.");
inline constexpr ShownText kHistoryNoDriver = TAVOLIN_TEXT(
    "messages",
    "Impossible d'ouvrir l'historique %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) "
    "n'est pas installé.");
// Closing a period: the new rating as shown, the number of games.
inline constexpr ShownText kClosePeriodQuestion = TAVOLIN_TEXT(
    "messages",
    "Clore la période ? Votre nouveau classement %1 devient votre classement actuel et vos %2 "
    "parties sont archivées.");
inline constexpr ShownText kClosePeriodQuestionOneGame = TAVOLIN_TEXT(
    "messages",
    "Clore la période ? Votre nouveau classement %1 devient votre classement actuel et votre "
    "partie est archivée.");
inline constexpr ShownText kPeriodChangedDuringQuestion = TAVOLIN_TEXT(
    "messages",
    "Les parties ou les résultats ont changé pendant la question : la période n'a pas été "
    "close.");
// Added to the closing question after a first FIDE rating.
inline constexpr ShownText kFirstRatingCoefficient = TAVOLIN_TEXT(
    "messages", " Votre facteur K devient 40, celui d'un nouveau joueur jusqu'à 30 parties.");
// Under the results once a period is closed: the ratings before and after, the games.
inline constexpr ShownText kPeriodClosedNote =
    TAVOLIN_TEXT("messages", "Période close : %1 → %2 (%3 parties archivées)");
inline constexpr ShownText kPeriodClosedNoteOneGame =
    TAVOLIN_TEXT("messages", "Période close : %1 → %2 (1 partie archivée)");
inline constexpr ShownText kFirstRatingClosedNoteOneGame =
    TAVOLIN_TEXT("messages", "Période close : premier classement %1 (1 partie archivée)");
inline constexpr ShownText kFirstRatingClosedNote =
    TAVOLIN_TEXT("messages", "Période close : premier classement %1 (%2 parties archivées)");
inline constexpr ShownText kReopenNeedsNoGames = TAVOLIN_TEXT(
    "messages",
    "Pour rouvrir la période, la liste des parties doit être vide : effacez d'abord les "
    "parties listées.");
inline constexpr ShownText kNoCalculationToClose = TAVOLIN_TEXT(
    "messages", "Aucun calcul ne correspond aux parties affichées : cliquez d'abord sur CALCUL.");
inline constexpr ShownText kNoGameToClose = TAVOLIN_TEXT("messages", "Aucune partie à archiver.");
inline constexpr ShownText kPerfClosesNothing = TAVOLIN_TEXT(
    "messages",
    "Une performance ne donne pas de nouveau classement : choisissez le système de votre "
    "classement pour clore la période.");
inline constexpr ShownText kHistoryEmpty = TAVOLIN_TEXT(
    "messages",
    "Aucune période close. « Clore la période » archive les parties d'une période et fait de "
    "son nouveau classement le classement actuel.");
// Quitting when the player could not be saved: his name, the reason.
inline constexpr ShownText kQuitWithoutSavingQuestion = TAVOLIN_TEXT(
    "messages",
    "Les changements de %1 n'ont pas pu être enregistrés (%2). Quitter sans les enregistrer ?");
inline constexpr ShownText kDeletePeriodQuestion = TAVOLIN_TEXT(
    "messages", "Supprimer de l'historique la période %1 ? Ses parties seront effacées.");
// Added when the period is not the player's latest: no rating follows from the deletion.
inline constexpr ShownText kDeleteKeepsRating =
    TAVOLIN_TEXT("messages", " Votre classement actuel reste tel qu'il est.");

// FIDE's rating list: "%1" is the file's full path. A list that cannot be imported leaves
// the list in use as it was, and the message says so.
inline constexpr ShownText kFideListNotZip = TAVOLIN_TEXT(
    "messages",
    "Le fichier %1 n'est ni un fichier zip ni une liste FIDE en texte : la liste en place n'a "
    "pas changé.");
inline constexpr ShownText kFideListZipWithoutList = TAVOLIN_TEXT(
    "messages",
    "Le zip %1 ne contient aucune liste FIDE (un fichier .txt qui commence par l'en-tête "
    "« ID Number Name… ») : la liste en place n'a pas changé.");
inline constexpr ShownText kFideListNoHeader = TAVOLIN_TEXT(
    "messages",
    "Le fichier %1 ne commence pas par l'en-tête de la liste FIDE (« ID Number Name… ») : la "
    "liste en place n'a pas changé.");
// The line's number follows the path.
inline constexpr ShownText kFideListLineTooLong = TAVOLIN_TEXT(
    "messages",
    "La ligne %2 du fichier %1 est bien trop longue pour une liste FIDE : le fichier est abîmé "
    "et la liste en place n'a pas changé.");
// Libarchive's own words follow the path.
inline constexpr ShownText kFideListZipDamaged = TAVOLIN_TEXT(
    "messages", "Le zip %1 est abîmé ou incomplet (%2) : la liste en place n'a pas changé.");
inline constexpr ShownText kFideListNoPlayer = TAVOLIN_TEXT(
    "messages", "Le fichier %1 ne contient aucun joueur : la liste en place n'a pas changé.");
// After an import: the lines left out (no FIDE ID, a number that is none, a player twice).
inline constexpr ShownText kFideListDamagedLinesOne =
    TAVOLIN_TEXT("messages", "1 ligne de la liste ignorée (abîmée)");
inline constexpr ShownText kFideListDamagedLinesMany =
    TAVOLIN_TEXT("messages", "%1 lignes de la liste ignorées (abîmées)");
inline constexpr ShownText kFideListBadMonth =
    TAVOLIN_TEXT("messages", "Le mois de la liste s'écrit AAAA-MM (2026-10), pas « %1 ».");
inline constexpr ShownText kFideListBusy = TAVOLIN_TEXT(
    "messages",
    "La liste FIDE %1 est occupée par un autre programme : réessayez quand il l'aura libérée.");
inline constexpr ShownText kFideListDamaged =
    TAVOLIN_TEXT("messages", "La liste FIDE %1 est abîmée (%2) : importez-la de nouveau.");
inline constexpr ShownText kFideListNewer = TAVOLIN_TEXT(
    "messages",
    "La liste FIDE %1 a été écrite par une version plus récente de Tavolin : elle n'a pas été "
    "modifiée.");
inline constexpr ShownText kFideListForeign = TAVOLIN_TEXT(
    "messages", "Le fichier %1 n'est pas une liste FIDE de Tavolin (%2) : il n'a pas été modifié.");
inline constexpr ShownText kFideListFailed = TAVOLIN_TEXT(
    "messages",
    "Impossible d'utiliser la liste FIDE %1 : la base de données a refusé l'opération (%2).");
inline constexpr ShownText kFideListNoDriver = TAVOLIN_TEXT(
    "messages",
    "Impossible d'ouvrir la liste FIDE %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) "
    "n'est pas installé.");
// Downloading FIDE's rating list: the reason follows the first text.
inline constexpr ShownText kFideDownloadFailed =
    TAVOLIN_TEXT("messages", "Le téléchargement de la liste FIDE a échoué : %1.");
inline constexpr ShownText kFideListAlreadyLatest =
    TAVOLIN_TEXT("messages", "La liste FIDE est déjà la plus récente.");
// The server's status and its own words for it: "404 (Not Found)".
inline constexpr ShownText kFideDownloadStatus =
    TAVOLIN_TEXT("messages", "le serveur a répondu %1");
inline constexpr ShownText kFideDownloadHostNotFound =
    TAVOLIN_TEXT("messages", "le serveur %1 est introuvable");
inline constexpr ShownText kFideDownloadRefused =
    TAVOLIN_TEXT("messages", "le serveur %1 refuse la connexion");
inline constexpr ShownText kFideDownloadSilent =
    TAVOLIN_TEXT("messages", "le serveur n'a rien envoyé pendant %1 s");
inline constexpr ShownText kFideDownloadNoAnswer =
    TAVOLIN_TEXT("messages", "le serveur %1 ne répond pas");
// The bytes received and those announced.
inline constexpr ShownText kFideDownloadCut =
    TAVOLIN_TEXT("messages", "la connexion a été coupée avant la fin (%1 octets reçus sur %2)");
inline constexpr ShownText kFideDownloadClosed =
    TAVOLIN_TEXT("messages", "la connexion a été coupée avant la fin");
inline constexpr ShownText kFideDownloadLessSafeRedirect =
    TAVOLIN_TEXT("messages", "le serveur renvoie vers une adresse moins sûre");
inline constexpr ShownText kFideDownloadTooManyRedirects =
    TAVOLIN_TEXT("messages", "le serveur renvoie d'adresse en adresse sans fin");
inline constexpr ShownText kFideDownloadSecureFailed =
    TAVOLIN_TEXT("messages", "la connexion sécurisée a échoué (%1)");
inline constexpr ShownText kFideDownloadProxyFailed =
    TAVOLIN_TEXT("messages", "le serveur mandataire a échoué (%1)");
// Any other failure of the network: Qt's own words.
inline constexpr ShownText kFideDownloadNetwork = TAVOLIN_TEXT("messages", "erreur du réseau (%1)");

// Why a file could not be read or written.
inline constexpr ShownText kReasonNotFound = TAVOLIN_TEXT("messages", "fichier introuvable");
inline constexpr ShownText kReasonFolderNotFound = TAVOLIN_TEXT("messages", "dossier introuvable");
inline constexpr ShownText kReasonIsFolder = TAVOLIN_TEXT("messages", "c'est un dossier");
inline constexpr ShownText kReasonNotRegularFile =
    TAVOLIN_TEXT("messages", "ce n'est pas un fichier ordinaire");
inline constexpr ShownText kReasonAccessDenied = TAVOLIN_TEXT("messages", "accès refusé");
inline constexpr ShownText kReasonDiskFull = TAVOLIN_TEXT("messages", "le disque est plein");
inline constexpr ShownText kReasonReadError = TAVOLIN_TEXT("messages", "erreur de lecture");
inline constexpr ShownText kReasonWriteError = TAVOLIN_TEXT("messages", "erreur d'écriture");
// A programming error: the library's own words follow.
inline constexpr ShownText kInternalError =
    TAVOLIN_TEXT("messages", "Erreur interne du programme : %1");
inline constexpr ShownText kUnexpectedError =
    TAVOLIN_TEXT("messages", "Une erreur inattendue a interrompu l'opération.");

}  // namespace tavolin::messages
