<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DateQuestion</name>
    <message>
        <source>&amp;Date de clôture :</source>
        <translation>Closing &amp;date:</translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <comment>how a date is shown</comment>
        <translation>MM/dd/yyyy</translation>
    </message>
</context>
<context>
    <name>FideListImportProgress</name>
    <message>
        <source>Importation de la liste FIDE…</source>
        <translation>Importing the FIDE list…</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Liste FIDE</source>
        <translation>FIDE list</translation>
    </message>
</context>
<context>
    <name>FideMonthText</name>
    <message>
        <source>fr</source>
        <comment>the code of the language the month names are written in</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month&apos;s name and its year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>liste FIDE d&apos;%1</source>
        <comment>before a vowel: a month or a text</comment>
        <translation>%1 FIDE list</translation>
    </message>
    <message>
        <source>liste FIDE de %1</source>
        <comment>before a consonant: a month or a text</comment>
        <translation>%1 FIDE list</translation>
    </message>
</context>
<context>
    <name>ImportedGamesTable</name>
    <message>
        <source> ; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Utilisation : tavolin [--user-data] [FICHIER.pgn | FICHIER.trf]
Garde les parties d&apos;une période de classement d&apos;un joueur d&apos;échecs et calcule son
nouveau classement.

Sans option, les joueurs sont gardés dans le fichier tavo.lin du dossier courant, qui
doit en avoir un. Avec un fichier PGN ou un rapport de tournoi (TRF), ses parties sont
proposées à l&apos;importation ; quand le programme est déjà ouvert sur les mêmes joueurs, le
fichier lui est confié.

      --user-data  garder les joueurs dans le dossier de l&apos;utilisateur,
                   $XDG_DATA_HOME/tavolin (par défaut ~/.local/share/tavolin), créé
                   avec un fichier de joueurs vierge au premier démarrage ; le menu du
                   bureau démarre le programme ainsi
  -h, --help       afficher cette aide
      --version    afficher la version du programme
</source>
        <translation>Usage: tavolin [--user-data] [FILE.pgn | FILE.trf]
Keeps the games of a chess player&apos;s rating period and calculates his new rating.

Without an option, the players are kept in the file tavo.lin of the current folder,
which must have one. With a PGN file or a tournament report (TRF), its games are
offered for import; when the program is already open on the same players, the file
is handed to it.

      --user-data  keep the players in the user&apos;s folder,
                   $XDG_DATA_HOME/tavolin (by default ~/.local/share/tavolin), created
                   with a blank player file at the first start; the desktop&apos;s menu
                   starts the program so
  -h, --help       show this help
      --version    show the program&apos;s version
</translation>
    </message>
    <message>
        <source>tavolin : option inconnue « %1 » (voir tavolin --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tavolin : fichier inconnu « %1 »</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RatingChart</name>
    <message>
        <source>Classement</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Clôture de la période</source>
        <translation>Period closed</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source> Votre ELO actuel est incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Votre INJES actuel est incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Votre FIDE actuel est incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour calculer la performance le nombre de parties doit être compris entre 4 et 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune partie contre un adversaire classé FIDE (1400 ou plus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un premier classement FIDE demande au moins 5 parties contre des joueurs classés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un premier classement FIDE demande au moins un demi-point marqué</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le premier classement FIDE serait inférieur à 1400 : pas de classement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 partie non comptée (adversaire classé sous 1400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parties non comptées (adversaire classé sous 1400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 partie non comptée (partie abîmée)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parties non comptées (parties abîmées)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K %1 (700 / %2 parties)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur sur le elo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur sur le résultat de la partie </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ajouter plus de 50 parties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur sur le mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;accéder à tavo.lin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun calcul à détailler : cliquez d&apos;abord sur CALCUL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« %1 » ne peut pas être enregistré dans le fichier des joueurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tavolin est déjà ouvert dans %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de lire %1 : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire dans %1 : %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 est trop court : %2 octets au lieu de %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas d&apos;enregistrement %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;image %1 n&apos;est pas un bitmap lisible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier des joueurs %1 est abîmé : les joueurs %2 ne sont pas tels que le programme les enregistre et peuvent montrer des données fausses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier des joueurs %1 est trop court : %2 octets au lieu de %3. Les joueurs qui manquent sont vides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une copie du fichier tel qu&apos;il était est gardée dans %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune copie du fichier n&apos;a pu être gardée : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Les options par défaut sont utilisées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dossier : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune partie de %1 dans %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 est abîmé : seules les parties lues avant l&apos;endroit abîmé sont prises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 partie ignorée : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parties ignorées : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune partie dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture arrêtée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lecture arrêtée avant la fin du fichier : la liste des joueurs est incomplète.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun joueur du fichier ne s&apos;appelle %1 : choisissez-le dans la liste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez dans la liste le joueur dont les parties sont à importer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun joueur nommé %1 dans %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plusieurs joueurs du fichier peuvent être %1 : %2. Choisissez-le dans la liste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plusieurs joueurs de %2 peuvent être %1 : %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ronde non prise : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rondes non prises : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun joueur dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ligne de joueur abîmée n&apos;est pas prise (ligne %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lignes de joueur abîmées ne sont pas prises (la première : ligne %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 est trop grand pour un rapport de tournoi (%2 Mo au plus).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le classement de ce joueur dans le fichier (%1) sera mis dans la case du classement, qui est vide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le classement de ce joueur dans le fichier (%1) n&apos;est pas pris : la case du classement en a déjà un.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;historique %1 est occupé par un autre programme : réessayez quand il l&apos;aura libéré.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;historique %1 est abîmé (%2) : il n&apos;a pas été modifié. Mettez-le de côté pour en commencer un nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&apos;historique %1 a été écrit par une version plus récente de Tavolin : il n&apos;a pas été modifié.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;utiliser l&apos;historique %1 : la base de données a refusé l&apos;opération (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un historique de Tavolin (%2) : il n&apos;a pas été modifié.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;historique %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) n&apos;est pas installé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clore la période ? Votre nouveau classement %1 devient votre classement actuel et vos %2 parties sont archivées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les parties ou les résultats ont changé pendant la question : la période n&apos;a pas été close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Votre facteur K devient 40, celui d&apos;un nouveau joueur jusqu&apos;à 30 parties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période close : %1 → %2 (%3 parties archivées)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Période close : premier classement %1 (%2 parties archivées)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pour rouvrir la période, la liste des parties doit être vide : effacez d&apos;abord les parties listées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun calcul ne correspond aux parties affichées : cliquez d&apos;abord sur CALCUL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune partie à archiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une performance ne donne pas de nouveau classement : choisissez le système de votre classement pour clore la période.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucune période close. « Clore la période » archive les parties d&apos;une période et fait de son nouveau classement le classement actuel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les changements de %1 n&apos;ont pas pu être enregistrés (%2). Quitter sans les enregistrer ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer de l&apos;historique la période %1 ? Ses parties seront effacées.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Votre classement actuel reste tel qu&apos;il est.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est ni un fichier zip ni une liste FIDE en texte : la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le zip %1 ne contient aucune liste FIDE (un fichier .txt qui commence par l&apos;en-tête « ID Number Name… ») : la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 ne commence pas par l&apos;en-tête de la liste FIDE (« ID Number Name… ») : la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La ligne %2 du fichier %1 est bien trop longue pour une liste FIDE : le fichier est abîmé et la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le zip %1 est abîmé ou incomplet (%2) : la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun joueur : la liste en place n&apos;a pas changé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ligne de la liste ignorée (abîmée)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lignes de la liste ignorées (abîmées)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le mois de la liste s&apos;écrit AAAA-MM (2026-10), pas « %1 ».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste FIDE %1 est occupée par un autre programme : réessayez quand il l&apos;aura libérée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste FIDE %1 est abîmée (%2) : importez-la de nouveau.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste FIDE %1 a été écrite par une version plus récente de Tavolin : elle n&apos;a pas été modifiée.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste FIDE de Tavolin (%2) : il n&apos;a pas été modifié.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;utiliser la liste FIDE %1 : la base de données a refusé l&apos;opération (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la liste FIDE %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) n&apos;est pas installé.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le téléchargement de la liste FIDE a échoué : %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La liste FIDE est déjà la plus récente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur a répondu %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur %1 est introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur %1 refuse la connexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur n&apos;a rien envoyé pendant %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur %1 ne répond pas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la connexion a été coupée avant la fin (%1 octets reçus sur %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la connexion a été coupée avant la fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur renvoie vers une adresse moins sûre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur renvoie d&apos;adresse en adresse sans fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la connexion sécurisée a échoué (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le serveur mandataire a échoué (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur du réseau (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur de lecture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erreur interne du programme : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Une erreur inattendue a interrompu l&apos;opération.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavolin::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>tavolin::CalculationDetailWindow</name>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Comptée</source>
        <translation>Counted</translation>
    </message>
    <message>
        <source>Différence</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Score attendu</source>
        <translation>Expected score</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Détail du calcul</source>
        <translation>Calculation details</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>tavolin::FideListDownloadDialog</name>
    <message>
        <source>Connexion au serveur…</source>
        <translation>Connecting to the server…</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Télécharger la liste FIDE</source>
        <translation>Download the FIDE list</translation>
    </message>
    <message>
        <source>Arrêt de l&apos;importation…</source>
        <translation>Stopping the import…</translation>
    </message>
    <message>
        <source>Importation de la liste FIDE…</source>
        <translation>Importing the FIDE list…</translation>
    </message>
</context>
<context>
    <name>tavolin::FideListPanel</name>
    <message>
        <source>Liste FIDE</source>
        <translation>FIDE list</translation>
    </message>
    <message>
        <source>Télécharger</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Importer un fichier…</source>
        <translation>Import a file…</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Aucune liste FIDE n&apos;est installée.</source>
        <translation>No FIDE list is installed.</translation>
    </message>
    <message>
        <source>%1 : %2 joueurs
%3</source>
        <translation>%1: %2 players
%3</translation>
    </message>
    <message>
        <source>Supprimer la liste FIDE de cet ordinateur ?</source>
        <translation>Remove the FIDE list from this computer?</translation>
    </message>
</context>
<context>
    <name>tavolin::HistoryWindow</name>
    <message>
        <source>&amp;Rouvrir la période</source>
        <translation>&amp;Reopen the period</translation>
    </message>
    <message>
        <source>&amp;Supprimer la période</source>
        <translation>&amp;Delete the period</translation>
    </message>
    <message>
        <source>E&amp;xporter en CSV…</source>
        <translation>E&amp;xport as CSV…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Historique de %1</source>
        <translation>History of %1</translation>
    </message>
    <message>
        <source>Périodes, une ligne chacune (*.csv)</source>
        <translation>Periods, one line each (*.csv)</translation>
    </message>
    <message>
        <source>Parties, une ligne chacune (*.csv)</source>
        <translation>Games, one line each (*.csv)</translation>
    </message>
    <message>
        <source>Exporter l&apos;historique</source>
        <translation>Export the history</translation>
    </message>
    <message>
        <source>1 période close</source>
        <translation>1 closed period</translation>
    </message>
    <message>
        <source>%1 périodes closes</source>
        <translation>%1 closed periods</translation>
    </message>
    <message>
        <source>historique %1.csv</source>
        <translation>history %1.csv</translation>
    </message>
</context>
<context>
    <name>tavolin::MainWindow</name>
    <message>
        <source>Cliquez d&apos;abord sur CALCUL : aucun résultat ne correspond aux parties.</source>
        <translation>Click CALCULATE first: no result matches the games.</translation>
    </message>
    <message>
        <source>Détail du calcul (Ctrl+D)</source>
        <translation>Calculation details (Ctrl+D)</translation>
    </message>
    <message>
        <source>Clore la période (Ctrl+K)</source>
        <translation>Close the period (Ctrl+K)</translation>
    </message>
    <message>
        <source>Aucune liste FIDE n&apos;est installée : téléchargez-la ou importez-la dans les Options.</source>
        <translation>No FIDE list is installed: download or import it in the Options.</translation>
    </message>
    <message>
        <source>Le numéro FIDE %1 n&apos;est pas dans la %2.</source>
        <translation>FIDE ID %1 is not in the %2.</translation>
    </message>
    <message>
        <source>Numéro FIDE…</source>
        <translation>FIDE ID…</translation>
    </message>
    <message>
        <source>Mettre à jour depuis la liste FIDE</source>
        <translation>Update from the FIDE list</translation>
    </message>
    <message>
        <source>Importer la liste FIDE</source>
        <translation>Import the FIDE list</translation>
    </message>
    <message>
        <source>Liste FIDE (*.zip *.txt);;Tous les fichiers (*)</source>
        <translation>FIDE list (*.zip *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Numéro FIDE de ce joueur (vide : aucun) :</source>
        <translation>This player&apos;s FIDE ID (empty: none):</translation>
    </message>
    <message>
        <source>Numéro FIDE de %1 (vide : aucun) :</source>
        <translation>FIDE ID of %1 (empty: none):</translation>
    </message>
    <message>
        <source>Numéro FIDE</source>
        <translation>FIDE ID</translation>
    </message>
    <message>
        <source>Un numéro FIDE s&apos;écrit en chiffres : « %1 ».</source>
        <translation>A FIDE ID is written in digits: “%1”.</translation>
    </message>
    <message>
        <source>Ce joueur n&apos;a pas de numéro FIDE : donnez-le par « Numéro FIDE… » dans le menu de la liste des joueurs.</source>
        <translation>This player has no FIDE ID: give it with “FIDE ID…” in the menu of the player list.</translation>
    </message>
    <message>
        <source>%1 (FIDE %2) n&apos;a pas de classement standard dans la %3.</source>
        <translation>%1 (FIDE %2) has no standard rating in the %3.</translation>
    </message>
    <message>
        <source>Selon la %1, %2 (FIDE %3) a un Elo de %4 et un coefficient K de %5 (règles FIDE 2024).
Les reprendre pour ce joueur ?</source>
        <translation>According to the %1, %2 (FIDE %3) has an Elo of %4 and a K factor of %5 (FIDE 2024 rules).
Take them for this player?</translation>
    </message>
    <message>
        <source>Selon la %1, %2 (FIDE %3) a un Elo de %4.
Les reprendre pour ce joueur ?</source>
        <translation>According to the %1, %2 (FIDE %3) has an Elo of %4.
Take it for this player?</translation>
    </message>
    <message>
        <source> — Elo de la %1</source>
        <translation> — Elo from the %1</translation>
    </message>
    <message>
        <source>Importer des parties (PGN, TRF)…</source>
        <translation>Import games (PGN, TRF)…</translation>
    </message>
    <message>
        <source>Parties PGN ou TRF (*.pgn *.PGN *.trf *.TRF *.txt *.TXT);;Tous les fichiers (*)</source>
        <translation>PGN or TRF games (*.pgn *.PGN *.trf *.TRF *.txt *.TXT);;All files (*)</translation>
    </message>
    <message>
        <source>Noms des joueurs</source>
        <translation>Player names</translation>
    </message>
    <message>
        <source>Classement</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Elo du joueur :</source>
        <translation>Player&apos;s Elo:</translation>
    </message>
    <message>
        <source>Jeune</source>
        <translation>Junior</translation>
    </message>
    <message>
        <source>Coefficient FIDE</source>
        <translation>FIDE K factor</translation>
    </message>
    <message>
        <source>Vos parties : </source>
        <translation>Your games: </translation>
    </message>
    <message>
        <source>Elo : </source>
        <translation>Elo: </translation>
    </message>
    <message>
        <source>Résultat (+,=,-) : </source>
        <translation>Result (+,=,-): </translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>CALCUL</source>
        <translation>CALCULATE</translation>
    </message>
    <message>
        <source>Pourcentage :</source>
        <translation>Percentage:</translation>
    </message>
    <message>
        <source>PERFORMANCE : </source>
        <translation>PERFORMANCE: </translation>
    </message>
    <message>
        <source>NOUVEL ELO : </source>
        <translation>NEW ELO: </translation>
    </message>
    <message>
        <source>Parties : </source>
        <translation>Games: </translation>
    </message>
    <message>
        <source>Infos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Détail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Historique</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Clore la période</source>
        <translation>Close the period</translation>
    </message>
    <message>
        <source>Tout Effacer</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Effacer partie n°</source>
        <translation>Delete game #</translation>
    </message>
    <message>
        <source>Entrez dans ce cadre vos parties</source>
        <translation>Enter your games in this frame</translation>
    </message>
    <message>
        <source>Nombre de parties jouées</source>
        <translation>Number of games played</translation>
    </message>
    <message>
        <source>Cochez cette case si vous êtes jeune</source>
        <translation>Tick this box if you are a junior</translation>
    </message>
    <message>
        <source>Cliquez pour calculer votre nouveau classement</source>
        <translation>Click to calculate your new rating</translation>
    </message>
    <message>
        <source>Historique des périodes (Ctrl+H)</source>
        <translation>History of the periods (Ctrl+H)</translation>
    </message>
    <message>
        <source>Pour importer des parties d&apos;un fichier PGN : glissez-le sur la fenêtre, ou Ctrl+O, ou le menu du clic droit sur la liste des parties</source>
        <translation>To import games from a PGN file: drag it onto the window, or Ctrl+O, or the right-click menu of the game list</translation>
    </message>
    <message>
        <source>K 40 : nouveau joueur (moins de 30 parties) ou jeune jusqu&apos;à 18 ans sous 2300 ; K 20 : classement sous 2400 ; K 10 : classement de 2400 atteint</source>
        <translation>K 40: new player (fewer than 30 games) or junior up to 18 years old below 2300; K 20: rating below 2400; K 10: rating of 2400 reached</translation>
    </message>
    <message>
        <source>Entrez ici votre classement</source>
        <translation>Enter your rating here</translation>
    </message>
    <message>
        <source>Elo de votre adversaire</source>
        <translation>Your opponent&apos;s Elo</translation>
    </message>
    <message>
        <source>Résultat de la partie : + , = , - </source>
        <translation>Result of the game: + , = , - </translation>
    </message>
    <message>
        <source>Liste de vos parties</source>
        <translation>List of your games</translation>
    </message>
    <message>
        <source>Choisissez le ce que vous souhaitez calculer</source>
        <translation>Choose what you want to calculate</translation>
    </message>
</context>
<context>
    <name>tavolin::OpponentSuggestions</name>
    <message>
        <source>non classé</source>
        <translation>unrated</translation>
    </message>
</context>
<context>
    <name>tavolin::OptionsDialog</name>
    <message>
        <source>Effacement après validation</source>
        <translation>Clear after adding</translation>
    </message>
    <message>
        <source>Arrondi</source>
        <translation>Rounding</translation>
    </message>
    <message>
        <source>Affichage de l&apos;aide</source>
        <translation>Show help</translation>
    </message>
    <message>
        <source>Calcul automatique</source>
        <translation>Automatic calculation</translation>
    </message>
    <message>
        <source>Sauver</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavolin::PercentageTableWindow</name>
    <message>
        <source>Poucentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Pourcentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>tavolin::PgnImportDialog</name>
    <message>
        <source>Joueur :</source>
        <translation>Player:</translation>
    </message>
    <message>
        <source>Choisissez le joueur</source>
        <translation>Choose the player</translation>
    </message>
    <message>
        <source>Tournoi</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Ronde</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Arrêter la lecture</source>
        <translation>Stop reading</translation>
    </message>
    <message>
        <source>Relire le fichier</source>
        <translation>Read the file again</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Importer des parties (PGN)</source>
        <translation>Import games (PGN)</translation>
    </message>
</context>
<context>
    <name>tavolin::TrfImportDialog</name>
    <message>
        <source>Importer des parties (TRF)</source>
        <translation>Import games (TRF)</translation>
    </message>
</context>
</TS>
