<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
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
</TS>
