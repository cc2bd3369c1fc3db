<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>CalcArguments</name>
    <message>
        <source>système inconnu « %1 » (elo, injes, fide, perf ou fide2024)</source>
        <translation>unknown system “%1” (elo, injes, fide, perf or fide2024)</translation>
    </message>
    <message>
        <source>le séparateur décimal est un seul caractère</source>
        <translation>the decimal separator is a single character</translation>
    </message>
    <message>
        <source>--difference prend une fraction du score de 0 à 1, pas « %1 »</source>
        <translation>--difference takes a score fraction from 0 to 1, not “%1”</translation>
    </message>
    <message>
        <source>--slot prend un joueur de 1 à 10, pas « %1 »</source>
        <translation>--slot takes a player from 1 to 10, not “%1”</translation>
    </message>
    <message>
        <source>--month prend un mois AAAA-MM (2026-10), pas « %1 »</source>
        <translation>--month takes a month YYYY-MM (2026-10), not “%1”</translation>
    </message>
    <message>
        <source>option inconnue --%1</source>
        <translation>unknown option --%1</translation>
    </message>
    <message>
        <source>l&apos;option --%1 ne prend pas de valeur</source>
        <translation>the option --%1 takes no value</translation>
    </message>
    <message>
        <source>l&apos;option --%1 demande une valeur</source>
        <translation>the option --%1 needs a value</translation>
    </message>
    <message>
        <source>option inconnue -%1</source>
        <translation>unknown option -%1</translation>
    </message>
    <message>
        <source>l&apos;option -%1 demande une valeur</source>
        <translation>the option -%1 needs a value</translation>
    </message>
    <message>
        <source>--table et --difference ne vont pas ensemble</source>
        <translation>--table and --difference do not go together</translation>
    </message>
    <message>
        <source>--table et --difference ne prennent pas de PARTIE</source>
        <translation>--table and --difference take no GAME</translation>
    </message>
    <message>
        <source>--slot demande --history FICHIER</source>
        <translation>--slot needs --history FILE</translation>
    </message>
    <message>
        <source>--history ne prend ni PARTIE, ni --pgn, ni --table, ni --difference</source>
        <translation>--history takes no GAME, --pgn, --table or --difference</translation>
    </message>
    <message>
        <source>--fide-find, --fide-list-import et --fide-list-download ne vont pas ensemble</source>
        <translation>--fide-find, --fide-list-import and --fide-list-download do not go together</translation>
    </message>
    <message>
        <source>--fide-db demande --fide-find TEXTE, --fide-list-import FICHIER ou --fide-list-download</source>
        <translation>--fide-db needs --fide-find TEXT, --fide-list-import FILE or --fide-list-download</translation>
    </message>
    <message>
        <source>--month demande --fide-list-import FICHIER</source>
        <translation>--month needs --fide-list-import FILE</translation>
    </message>
    <message>
        <source>--fide-find, --fide-list-import et --fide-list-download ne prennent ni PARTIE, ni --pgn, ni --table, ni --difference, ni --history</source>
        <translation>--fide-find, --fide-list-import and --fide-list-download take no GAME, --pgn, --table, --difference or --history</translation>
    </message>
    <message>
        <source>--pgn et --trf ne vont pas ensemble</source>
        <translation>--pgn and --trf do not go together</translation>
    </message>
    <message>
        <source>--player demande --pgn FICHIER ou --trf FICHIER</source>
        <translation>--player needs --pgn FILE or --trf FILE</translation>
    </message>
    <message>
        <source>--pgn ne prend ni PARTIE, ni --table, ni --difference</source>
        <translation>--pgn takes no GAME, --table or --difference</translation>
    </message>
    <message>
        <source>--trf ne prend ni PARTIE, ni --table, ni --difference, ni --history, ni la liste FIDE</source>
        <translation>--trf takes no GAME, --table, --difference, --history or FIDE list option</translation>
    </message>
    <message>
        <source>le coefficient FIDE 2024 est 40, 20 ou 10, pas « %1 »</source>
        <translation>the FIDE 2024 K factor is 40, 20 or 10, not “%1”</translation>
    </message>
</context>
<context>
    <name>CalcCommandLine</name>
    <message>
        <source>Utilisation : tavolin-calc [OPTIONS] PARTIE...
              tavolin-calc [OPTIONS] --pgn FICHIER [--player NOM]
              tavolin-calc [OPTIONS] --trf FICHIER [--player NOM]
              tavolin-calc [-d C] --history FICHIER [--slot N]
              tavolin-calc [--fide-db FICHIER] --fide-find TEXTE
              tavolin-calc [--fide-db FICHIER] --fide-list-import FICHIER [--month AAAA-MM]
              tavolin-calc [--fide-db FICHIER] --fide-list-download [ADRESSE]
Calcule le nouveau classement d&apos;un joueur d&apos;échecs à partir des parties d&apos;une période.

  PARTIE                    le classement de l&apos;adversaire suivi du signe du résultat : 1850+ 1700= 2010-
  -s, --system SYS          elo | injes | fide | perf | fide2024   (elo par défaut)
  -r, --rating TEXTE        le classement actuel tel qu&apos;il est tapé dans son champ (vide par défaut)
  -j, --young               la case « Jeune » est cochée
  -k, --coefficient TEXTE   le coefficient FIDE tel qu&apos;il est choisi (&quot;25&quot; par défaut ; un texte autre que 10, 15, 25 garde 25) ; pour fide2024 le facteur K 40, 20 ou 10 (20 par défaut)
  -i, --interpolation       l&apos;option « Interpolation » est cochée
  -a, --round               l&apos;option « Arrondi » est cochée
  -d, --decimal-separator C le séparateur décimal des résultats (par défaut celui de la langue)
      --table               affiche la table des pourcentages : 100 lignes &quot;POURCENTAGE&lt;TAB&gt;DIFFÉRENCE&quot;, de 100 à 1 ; sortie 0
      --difference P        affiche la différence de classement pour la fraction du score P, de 0 à 1 : par l&apos;intégration avec -i, sinon par la table des seuils ; sortie 0
      --pgn FICHIER         avec --player NOM : les parties de ce joueur dans un fichier PGN, à la place des PARTIEs (Elo de l&apos;adversaire de 1000 à 3000, résultat 1-0, 0-1 ou 1/2-1/2 ; les autres sont comptées sur la sortie d&apos;erreur) ; seul : les joueurs du fichier, &quot;NOM&lt;TAB&gt;PARTIES&quot;, le plus de parties d&apos;abord
      --trf FICHIER         avec --player NOM : les parties classées de ce joueur dans un rapport de tournoi FIDE (TRF), à la place des PARTIEs, et sans -r son classement du fichier (les forfaits, les exempts, les absences et les adversaires non classés sont comptés sur la sortie d&apos;erreur) ; seul : les joueurs du rapport, &quot;NUMÉRO&lt;TAB&gt;NOM&lt;TAB&gt;CLASSEMENT&lt;TAB&gt;POINTS&quot;, dans l&apos;ordre du fichier
      --player NOM          le joueur dont --pgn ou --trf prend les parties, nommé comme la fenêtre compare les noms : ni la casse, ni les accents, ni les blancs, ni l&apos;ordre autour de la virgule ne comptent ; un nom de 20 caractères peut être coupé ; plusieurs joueurs qui conviennent également sont refusés
      --detail              après les résultats, une ligne par partie : numéro, adversaire, résultat, comptée (oui ou non), et pour fide et fide2024 la différence retenue, le score attendu et la variation
      --history FICHIER     les périodes closes d&apos;un historique (tavolin-history.sqlite), de la plus ancienne à la plus récente, une ligne chacune : date de clôture AAAA-MM-JJ, joueur (1 à 10), nom, système, parties, score, classement avant, nouveau classement
      --slot N              avec --history : les périodes du joueur N seulement
      --fide-db FICHIER     la base de la liste FIDE (par défaut liste-fide.sqlite dans le dossier des données de l&apos;utilisateur, $XDG_DATA_HOME/tavolin)
      --fide-find TEXTE     cherche dans la liste FIDE : un nombre de 5 chiffres ou plus est un identifiant FIDE, des mots sont des débuts de mots du nom, dans n&apos;importe quel ordre, sans compter ni la casse ni les accents ; au plus 20 lignes, les joueurs actifs d&apos;abord puis du mieux classé au moins bien classé : &quot;ID&lt;TAB&gt;NOM&lt;TAB&gt;FÉD&lt;TAB&gt;TITRE&lt;TAB&gt;STANDARD&lt;TAB&gt;K&lt;TAB&gt;RAPIDE&lt;TAB&gt;BLITZ&lt;TAB&gt;NAISSANCE&lt;TAB&gt;DRAPEAU&quot; ; un champ vide pour un joueur non classé, un K ou une année inconnus ; aucune ligne quand aucun joueur ne convient
      --fide-list-import FICHIER  importe la liste FIDE de son zip (players_list.zip) ou de son texte, à la place de la liste en place, qui reste entière si l&apos;import échoue ; affiche &quot;JOUEURS&lt;TAB&gt;MOIS&quot; ; les lignes abîmées sont comptées sur la sortie d&apos;erreur
      --month AAAA-MM       avec --fide-list-import : le mois de la liste (par défaut celui de son en-tête, sinon la date du fichier de la liste)
      --fide-list-download [ADRESSE]  télécharge la liste FIDE (par défaut https://ratings.fide.com/download/players_list.zip) et l&apos;importe comme --fide-list-import ; les Mo reçus sur la sortie d&apos;erreur ; une liste déjà la plus récente est dite, état 0
  -h, --help                cette aide
      --version             la version du programme
</source>
        <translation>Usage: tavolin-calc [OPTIONS] GAME...
       tavolin-calc [OPTIONS] --pgn FILE [--player NAME]
       tavolin-calc [OPTIONS] --trf FILE [--player NAME]
       tavolin-calc [-d C] --history FILE [--slot N]
       tavolin-calc [--fide-db FILE] --fide-find TEXT
       tavolin-calc [--fide-db FILE] --fide-list-import FILE [--month YYYY-MM]
       tavolin-calc [--fide-db FILE] --fide-list-download [ADDRESS]
Works out a chess player&apos;s new rating from the games of a period.

  GAME                      the opponent&apos;s rating followed by the result sign: 1850+ 1700= 2010-
  -s, --system SYS          elo | injes | fide | perf | fide2024   (elo by default)
  -r, --rating TEXT         the current rating as typed in its field (empty by default)
  -j, --young               the “Young” box is checked
  -k, --coefficient TEXT    the FIDE coefficient as chosen (&quot;25&quot; by default; a text other than 10, 15, 25 keeps 25); for fide2024 the K factor 40, 20 or 10 (20 by default)
  -i, --interpolation       the “Interpolation” option is checked
  -a, --round               the “Rounding” option is checked
  -d, --decimal-separator C the decimal separator of the results (by default the language&apos;s)
      --table               prints the percentage table: 100 lines &quot;PERCENTAGE&lt;TAB&gt;DIFFERENCE&quot;, from 100 to 1; status 0
      --difference P        prints the rating difference for the score fraction P, from 0 to 1: by integration with -i, otherwise by the table of thresholds; status 0
      --pgn FILE            with --player NAME: that player&apos;s games in a PGN file, in place of the GAMEs (opponent&apos;s Elo from 1000 to 3000, result 1-0, 0-1 or 1/2-1/2; the others are counted on standard error); alone: the file&apos;s players, &quot;NAME&lt;TAB&gt;GAMES&quot;, most games first
      --trf FILE            with --player NAME: that player&apos;s rated games in a FIDE tournament report (TRF), in place of the GAMEs, and without -r his rating from the file (forfeits, byes, absences and unrated opponents are counted on standard error); alone: the report&apos;s players, &quot;RANK&lt;TAB&gt;NAME&lt;TAB&gt;RATING&lt;TAB&gt;POINTS&quot;, in file order
      --player NAME         the player whose games --pgn or --trf takes, named as the window compares names: neither case, nor accents, nor blanks, nor the order around the comma count; a name of 20 characters may be cut; several players that match equally are refused
      --detail              after the results, one line per game: number, opponent, result, counted (oui or non), and for fide and fide2024 the difference used, the expected score and the change
      --history FILE        the closed periods of a history (tavolin-history.sqlite), oldest first, one line each: closing date YYYY-MM-DD, player (1 to 10), name, system, games, score, rating before, new rating
      --slot N              with --history: player N&apos;s periods only
      --fide-db FILE        the FIDE list&apos;s database (by default liste-fide.sqlite in the user&apos;s data folder, $XDG_DATA_HOME/tavolin)
      --fide-find TEXT      searches the FIDE list: a number of 5 digits or more is a FIDE ID, words are beginnings of the name&apos;s words, in any order, case and accents ignored; at most 20 lines, active players first, then from the highest rated to the lowest: &quot;ID&lt;TAB&gt;NAME&lt;TAB&gt;FED&lt;TAB&gt;TITLE&lt;TAB&gt;STANDARD&lt;TAB&gt;K&lt;TAB&gt;RAPID&lt;TAB&gt;BLITZ&lt;TAB&gt;BIRTH&lt;TAB&gt;FLAG&quot;; an empty field for an unrated player, an unknown K or year; no line when no player matches
      --fide-list-import FILE  imports the FIDE list from its zip (players_list.zip) or its text, in place of the list in use, which stays whole if the import fails; prints &quot;PLAYERS&lt;TAB&gt;MONTH&quot;; damaged lines are counted on standard error
      --month YYYY-MM       with --fide-list-import: the month of the list (by default the one of its header, otherwise the date of the list&apos;s file)
      --fide-list-download [ADDRESS]  downloads the FIDE list (by default https://ratings.fide.com/download/players_list.zip) and imports it as --fide-list-import does; the MB received on standard error; a list already the latest is said, status 0
  -h, --help                this help
      --version             the program&apos;s version
</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Score %1/%2 = %3 % → %4 (%5) ; moyenne des adversaires %6 ; performance %7</source>
        <translation>Score %1/%2 = %3 % → %4 (%5); opponents&apos; average %6; performance %7</translation>
    </message>
    <message>
        <source>courbe normale</source>
        <translation>normal curve</translation>
    </message>
    <message>
        <source>table</source>
        <translation>table</translation>
    </message>
    <message>
        <source>Deux nulles contre 1800 ajoutées : %1/%2 ; p = %3 → %4 ; moyenne %5 ; premier classement %6</source>
        <translation>Two draws against 1800 added: %1/%2; p = %3 → %4; average %5; first rating %6</translation>
    </message>
    <message>
        <source>Score %1/%2 → %3 ; moyenne des adversaires %4 ; performance %5</source>
        <translation>Score %1/%2 → %3; opponents&apos; average %4; performance %5</translation>
    </message>
</context>
<context>
    <name>DateQuestion</name>
    <message>
        <source>dd/MM/yyyy</source>
        <comment>how a date is shown</comment>
        <translation>MM/dd/yyyy</translation>
    </message>
    <message>
        <source>&amp;Date de clôture :</source>
        <translation>Closing &amp;date:</translation>
    </message>
</context>
<context>
    <name>DownloadProgressText</name>
    <message>
        <source>%1,%2 Mo</source>
        <translation>%1.%2 MB</translation>
    </message>
    <message>
        <source>%1 reçus</source>
        <translation>%1 received</translation>
    </message>
    <message>
        <source>%1 reçus sur %2</source>
        <translation>%1 received of %2</translation>
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
    <name>FideListRows</name>
    <message>
        <source>valeur de %1 hors limites</source>
        <translation>value of %1 out of range</translation>
    </message>
</context>
<context>
    <name>FideListSchema</name>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
</context>
<context>
    <name>FideListSource</name>
    <message>
        <source>zip illisible</source>
        <translation>unreadable zip</translation>
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
    <name>HistorySchema</name>
    <message>
        <source>vue</source>
        <translation>view</translation>
    </message>
    <message>
        <source>déclencheur</source>
        <translation>trigger</translation>
    </message>
    <message>
        <source>%1 %2 absent</source>
        <translation>%1 %2 missing</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>MM/dd/yyyy</translation>
    </message>
    <message>
        <source>non classé</source>
        <translation>unrated</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Système</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Classement</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Date;Joueur;Système;Parties;Score;Classement avant;Nouveau classement;Variation</source>
        <translation>Date,Player,System,Games,Score,Rating before,New rating,Change</translation>
    </message>
    <message>
        <source>Date;Joueur;Système;Classement avant;Nouveau classement;N°;Adversaire;Elo;Résultat;Tournoi;Ronde;Date de la partie</source>
        <translation>Date,Player,System,Rating before,New rating,No.,Opponent,Elo,Result,Event,Round,Game date</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>du %1, %2 → %3</source>
        <translation>of %1, %2 → %3</translation>
    </message>
    <message>
        <source>du %1, premier classement %2</source>
        <translation>of %1, first rating %2</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Adversaire</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>Elo</source>
        <translation>Elo</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Tournoi</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Ronde</source>
        <translation>Round</translation>
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
    <name>OnDemandLibrary</name>
    <message>
        <source>Impossible de charger la bibliothèque %1 : %2</source>
        <translation>Cannot load the library %1: %2</translation>
    </message>
</context>
<context>
    <name>PgnImport</name>
    <message>
        <source>sans Elo de l&apos;adversaire</source>
        <translation>without the opponent&apos;s Elo</translation>
    </message>
    <message>
        <source>Elo de l&apos;adversaire illisible</source>
        <translation>opponent&apos;s Elo unreadable</translation>
    </message>
    <message>
        <source>Elo de l&apos;adversaire hors de 1000 à 3000</source>
        <translation>opponent&apos;s Elo outside 1000 to 3000</translation>
    </message>
    <message>
        <source>partie non terminée</source>
        <translation>unfinished game</translation>
    </message>
    <message>
        <source>parties non terminées</source>
        <translation>unfinished games</translation>
    </message>
    <message>
        <source>résultat illisible</source>
        <translation>unreadable result</translation>
    </message>
    <message>
        <source>résultats illisibles</source>
        <translation>unreadable results</translation>
    </message>
</context>
<context>
    <name>PgnText</name>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>MM/dd/yyyy</translation>
    </message>
</context>
<context>
    <name>PlayerNames</name>
    <message>
        <source>joueur %1</source>
        <translation>player %1</translation>
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
Keeps the games of a chess player&apos;s rating period and works out his new rating.

Without an option, the players are kept in the file tavo.lin of the current folder,
which must have one. With a PGN file or a tournament report (TRF), its games are
offered for import; when the program is already open on the same players, the file is
handed to it.

      --user-data  keep the players in the user&apos;s folder, $XDG_DATA_HOME/tavolin
                   (by default ~/.local/share/tavolin), created with a blank player
                   file at the first start; the desktop menu starts the program so
  -h, --help       show this help
      --version    show the program&apos;s version
</translation>
    </message>
    <message>
        <source>tavolin : option inconnue « %1 » (voir tavolin --help)</source>
        <translation>tavolin: unknown option “%1” (see tavolin --help)</translation>
    </message>
    <message>
        <source>tavolin : fichier inconnu « %1 »</source>
        <translation>tavolin: unknown file “%1”</translation>
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
    <message>
        <source>Courbe de classement</source>
        <translation>Rating curve</translation>
    </message>
    <message>
        <source>Courbe de classement : aucune période</source>
        <translation>Rating curve: no period</translation>
    </message>
    <message>
        <source>Courbe de classement : %1 à %2, 1 période</source>
        <translation>Rating curve: %1 to %2, 1 period</translation>
    </message>
    <message>
        <source>Courbe de classement : %1 à %2, %3 périodes</source>
        <translation>Rating curve: %1 to %2, %3 periods</translation>
    </message>
</context>
<context>
    <name>RatingSystem</name>
    <message>
        <source>Moyenne des adversaires : </source>
        <translation>Opponents&apos; average: </translation>
    </message>
    <message>
        <source>Pourcentage :</source>
        <translation>Percentage:</translation>
    </message>
    <message>
        <source>PERFORMANCE :</source>
        <translation>PERFORMANCE:</translation>
    </message>
    <message>
        <source>NOUVEL ELO :</source>
        <translation>NEW ELO:</translation>
    </message>
    <message>
        <source>NOUVEL INJES :</source>
        <translation>NEW INJES:</translation>
    </message>
    <message>
        <source>Score théorique/réalisé :</source>
        <translation>Expected/actual score:</translation>
    </message>
    <message>
        <source>Variation :</source>
        <translation>Change:</translation>
    </message>
    <message>
        <source>NOUVEAU FIDE :</source>
        <translation>NEW FIDE:</translation>
    </message>
    <message>
        <source>Bonus\Malus :</source>
        <translation>Bonus\Malus:</translation>
    </message>
</context>
<context>
    <name>TrfImport</name>
    <message>
        <source>forfait</source>
        <translation>forfeit</translation>
    </message>
    <message>
        <source>forfaits</source>
        <translation>forfeits</translation>
    </message>
    <message>
        <source>partie de moins d&apos;un coup</source>
        <translation>game of less than one move</translation>
    </message>
    <message>
        <source>parties de moins d&apos;un coup</source>
        <translation>games of less than one move</translation>
    </message>
    <message>
        <source>exempt ou absence</source>
        <translation>bye or absence</translation>
    </message>
    <message>
        <source>exempts ou absences</source>
        <translation>byes or absences</translation>
    </message>
    <message>
        <source>adversaire non classé</source>
        <translation>unrated opponent</translation>
    </message>
    <message>
        <source>adversaires non classés</source>
        <translation>unrated opponents</translation>
    </message>
    <message>
        <source>adversaire classé hors de 1000 à 3000</source>
        <translation>opponent rated outside 1000 to 3000</translation>
    </message>
    <message>
        <source>adversaires classés hors de 1000 à 3000</source>
        <translation>opponents rated outside 1000 to 3000</translation>
    </message>
    <message>
        <source>numéro d&apos;adversaire inconnu</source>
        <translation>unknown opponent number</translation>
    </message>
    <message>
        <source>numéros d&apos;adversaire inconnus</source>
        <translation>unknown opponent numbers</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source> Votre ELO actuel est incorrect</source>
        <translation> Your current ELO is incorrect</translation>
    </message>
    <message>
        <source> Votre INJES actuel est incorrect</source>
        <translation> Your current INJES is incorrect</translation>
    </message>
    <message>
        <source> Votre FIDE actuel est incorrect</source>
        <translation> Your current FIDE rating is incorrect</translation>
    </message>
    <message>
        <source>Pour calculer la performance le nombre de parties doit être compris entre 4 et 13</source>
        <translation>To calculate a performance, the number of games must be between 4 and 13</translation>
    </message>
    <message>
        <source>Aucune partie contre un adversaire classé FIDE (1400 ou plus)</source>
        <translation>No game against a FIDE-rated opponent (1400 or more)</translation>
    </message>
    <message>
        <source>Un premier classement FIDE demande au moins 5 parties contre des joueurs classés</source>
        <translation>A first FIDE rating needs at least 5 games against rated players</translation>
    </message>
    <message>
        <source>Un premier classement FIDE demande au moins un demi-point marqué</source>
        <translation>A first FIDE rating needs at least half a point scored</translation>
    </message>
    <message>
        <source>Le premier classement FIDE serait inférieur à 1400 : pas de classement</source>
        <translation>The first FIDE rating would be below 1400: no rating</translation>
    </message>
    <message>
        <source>1 partie non comptée (adversaire classé sous 1400)</source>
        <translation>1 game not counted (opponent rated below 1400)</translation>
    </message>
    <message>
        <source>%1 parties non comptées (adversaire classé sous 1400)</source>
        <translation>%1 games not counted (opponent rated below 1400)</translation>
    </message>
    <message>
        <source>1 partie non comptée (partie abîmée)</source>
        <translation>1 game not counted (damaged game)</translation>
    </message>
    <message>
        <source>%1 parties non comptées (parties abîmées)</source>
        <translation>%1 games not counted (damaged games)</translation>
    </message>
    <message>
        <source>K %1 (700 / %2 parties)</source>
        <translation>K %1 (700 / %2 games)</translation>
    </message>
    <message>
        <source>Votre nouveau classement FIDE est inférieur à 1400 : vous quittez la liste</source>
        <translation>Your new FIDE rating is below 1400: you leave the list</translation>
    </message>
    <message>
        <source>Erreur sur le elo</source>
        <translation>Error in the rating</translation>
    </message>
    <message>
        <source>Erreur sur le résultat de la partie </source>
        <translation>Error in the result of the game </translation>
    </message>
    <message>
        <source>Impossible d&apos;ajouter plus de 50 parties</source>
        <translation>Cannot add more than 50 games</translation>
    </message>
    <message>
        <source>Erreur sur le mode</source>
        <translation>Error in the rating system</translation>
    </message>
    <message>
        <source>Impossible d&apos;accéder à tavo.lin</source>
        <translation>Cannot access tavo.lin</translation>
    </message>
    <message>
        <source>Aucun calcul à détailler : cliquez d&apos;abord sur CALCUL.</source>
        <translation>No calculation to detail: click CALCULATE first.</translation>
    </message>
    <message>
        <source>« %1 » ne peut pas être enregistré dans le fichier des joueurs</source>
        <translation>“%1” cannot be saved in the player file</translation>
    </message>
    <message>
        <source>Tavolin est déjà ouvert dans %1.</source>
        <translation>Tavolin is already open in %1.</translation>
    </message>
    <message>
        <source>Impossible de lire %1 : %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire dans %1 : %2.</source>
        <translation>Cannot write to %1: %2.</translation>
    </message>
    <message>
        <source>Le fichier %1 est trop court : %2 octets au lieu de %3.</source>
        <translation>The file %1 is too short: %2 bytes instead of %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas d&apos;enregistrement %2.</source>
        <translation>The file %1 has no record %2.</translation>
    </message>
    <message>
        <source>L&apos;image %1 n&apos;est pas un bitmap lisible.</source>
        <translation>The picture %1 is not a readable bitmap.</translation>
    </message>
    <message>
        <source>Le fichier des joueurs %1 est abîmé : les joueurs %2 ne sont pas tels que le programme les enregistre et peuvent montrer des données fausses.</source>
        <translation>The player file %1 is damaged: players %2 are not as the program saves them and may show wrong data.</translation>
    </message>
    <message>
        <source>Le fichier des joueurs %1 est trop court : %2 octets au lieu de %3. Les joueurs qui manquent sont vides.</source>
        <translation>The player file %1 is too short: %2 bytes instead of %3. The missing players are empty.</translation>
    </message>
    <message>
        <source>Une copie du fichier tel qu&apos;il était est gardée dans %1.</source>
        <translation>A copy of the file as it was is kept in %1.</translation>
    </message>
    <message>
        <source>Aucune copie du fichier n&apos;a pu être gardée : %1</source>
        <translation>No copy of the file could be kept: %1</translation>
    </message>
    <message>
        <source>%1 Les options par défaut sont utilisées.</source>
        <translation>%1 The default options are used.</translation>
    </message>
    <message>
        <source>Dossier : %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Aucune partie de %1 dans %2</source>
        <translation>No game of %1 in %2</translation>
    </message>
    <message>
        <source>Le fichier %1 est abîmé : seules les parties lues avant l&apos;endroit abîmé sont prises</source>
        <translation>The file %1 is damaged: only the games read before the damaged place are taken</translation>
    </message>
    <message>
        <source>1 partie ignorée : %1</source>
        <translation>1 game skipped: %1</translation>
    </message>
    <message>
        <source>%1 parties ignorées : %2</source>
        <translation>%1 games skipped: %2</translation>
    </message>
    <message>
        <source>Aucune partie dans %1</source>
        <translation>No game in %1</translation>
    </message>
    <message>
        <source>Lecture arrêtée.</source>
        <translation>Reading stopped.</translation>
    </message>
    <message>
        <source>Lecture arrêtée avant la fin du fichier : la liste des joueurs est incomplète.</source>
        <translation>Reading stopped before the end of the file: the list of players is incomplete.</translation>
    </message>
    <message>
        <source>Aucun joueur du fichier ne s&apos;appelle %1 : choisissez-le dans la liste.</source>
        <translation>No player of the file is called %1: choose him in the list.</translation>
    </message>
    <message>
        <source>Choisissez dans la liste le joueur dont les parties sont à importer.</source>
        <translation>Choose in the list the player whose games are to be imported.</translation>
    </message>
    <message>
        <source>Aucun joueur nommé %1 dans %2</source>
        <translation>No player named %1 in %2</translation>
    </message>
    <message>
        <source>Plusieurs joueurs du fichier peuvent être %1 : %2. Choisissez-le dans la liste.</source>
        <translation>Several players of the file may be %1: %2. Choose him in the list.</translation>
    </message>
    <message>
        <source>Plusieurs joueurs de %2 peuvent être %1 : %3</source>
        <translation>Several players of %2 may be %1: %3</translation>
    </message>
    <message>
        <source>1 ronde non prise : %1</source>
        <translation>1 round not taken: %1</translation>
    </message>
    <message>
        <source>%1 rondes non prises : %2</source>
        <translation>%1 rounds not taken: %2</translation>
    </message>
    <message>
        <source>Aucun joueur dans %1</source>
        <translation>No player in %1</translation>
    </message>
    <message>
        <source>1 ligne de joueur abîmée n&apos;est pas prise (ligne %1).</source>
        <translation>1 damaged player line is not taken (line %1).</translation>
    </message>
    <message>
        <source>%1 lignes de joueur abîmées ne sont pas prises (la première : ligne %2).</source>
        <translation>%1 damaged player lines are not taken (the first: line %2).</translation>
    </message>
    <message>
        <source>Le fichier %1 est trop grand pour un rapport de tournoi (%2 Mo au plus).</source>
        <translation>The file %1 is too large for a tournament report (%2 MB at most).</translation>
    </message>
    <message>
        <source>Le classement de ce joueur dans le fichier (%1) sera mis dans la case du classement, qui est vide.</source>
        <translation>This player&apos;s rating in the file (%1) will be put in the rating field, which is empty.</translation>
    </message>
    <message>
        <source>Le classement de ce joueur dans le fichier (%1) n&apos;est pas pris : la case du classement en a déjà un.</source>
        <translation>This player&apos;s rating in the file (%1) is not taken: the rating field already holds one.</translation>
    </message>
    <message>
        <source>L&apos;historique %1 est occupé par un autre programme : réessayez quand il l&apos;aura libéré.</source>
        <translation>The history %1 is in use by another program: try again when it has released it.</translation>
    </message>
    <message>
        <source>L&apos;historique %1 est abîmé (%2) : il n&apos;a pas été modifié. Mettez-le de côté pour en commencer un nouveau.</source>
        <translation>The history %1 is damaged (%2): it has not been changed. Put it aside to start a new one.</translation>
    </message>
    <message>
        <source>L&apos;historique %1 a été écrit par une version plus récente de Tavolin : il n&apos;a pas été modifié.</source>
        <translation>The history %1 was written by a newer version of Tavolin: it has not been changed.</translation>
    </message>
    <message>
        <source>Impossible d&apos;utiliser l&apos;historique %1 : la base de données a refusé l&apos;opération (%2).</source>
        <translation>Cannot use the history %1: the database refused the operation (%2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas un historique de Tavolin (%2) : il n&apos;a pas été modifié.</source>
        <translation>The file %1 is not a Tavolin history (%2): it has not been changed.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;historique %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) n&apos;est pas installé.</source>
        <translation>Cannot open the history %1: Qt&apos;s SQLite module (package libqt6sql6-sqlite) is not installed.</translation>
    </message>
    <message>
        <source>Clore la période ? Votre nouveau classement %1 devient votre classement actuel et vos %2 parties sont archivées.</source>
        <translation>Close the period? Your new rating %1 becomes your current rating and your %2 games are archived.</translation>
    </message>
    <message>
        <source>Les parties ou les résultats ont changé pendant la question : la période n&apos;a pas été close.</source>
        <translation>The games or the results changed during the question: the period has not been closed.</translation>
    </message>
    <message>
        <source> Votre facteur K devient 40, celui d&apos;un nouveau joueur jusqu&apos;à 30 parties.</source>
        <translation> Your K factor becomes 40, that of a new player up to 30 games.</translation>
    </message>
    <message>
        <source>Période close : %1 → %2 (%3 parties archivées)</source>
        <translation>Period closed: %1 → %2 (%3 games archived)</translation>
    </message>
    <message>
        <source>Période close : premier classement %1 (%2 parties archivées)</source>
        <translation>Period closed: first rating %1 (%2 games archived)</translation>
    </message>
    <message>
        <source>Pour rouvrir la période, la liste des parties doit être vide : effacez d&apos;abord les parties listées.</source>
        <translation>To reopen the period, the list of games must be empty: clear the listed games first.</translation>
    </message>
    <message>
        <source>Aucun calcul ne correspond aux parties affichées : cliquez d&apos;abord sur CALCUL.</source>
        <translation>No calculation matches the games shown: click CALCULATE first.</translation>
    </message>
    <message>
        <source>Aucune partie à archiver.</source>
        <translation>No game to archive.</translation>
    </message>
    <message>
        <source>Une performance ne donne pas de nouveau classement : choisissez le système de votre classement pour clore la période.</source>
        <translation>A performance gives no new rating: choose the system of your rating to close the period.</translation>
    </message>
    <message>
        <source>Aucune période close. « Clore la période » archive les parties d&apos;une période et fait de son nouveau classement le classement actuel.</source>
        <translation>No closed period. “Close the period” archives the games of a period and makes its new rating the current rating.</translation>
    </message>
    <message>
        <source>Les changements de %1 n&apos;ont pas pu être enregistrés (%2). Quitter sans les enregistrer ?</source>
        <translation>The changes of %1 could not be saved (%2). Quit without saving them?</translation>
    </message>
    <message>
        <source>Supprimer de l&apos;historique la période %1 ? Ses parties seront effacées.</source>
        <translation>Delete the period %1 from the history? Its games will be erased.</translation>
    </message>
    <message>
        <source> Votre classement actuel reste tel qu&apos;il est.</source>
        <translation> Your current rating stays as it is.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est ni un fichier zip ni une liste FIDE en texte : la liste en place n&apos;a pas changé.</source>
        <translation>The file %1 is neither a zip file nor a FIDE list in text: the list in use has not changed.</translation>
    </message>
    <message>
        <source>Le zip %1 ne contient aucune liste FIDE (un fichier .txt qui commence par l&apos;en-tête « ID Number Name… ») : la liste en place n&apos;a pas changé.</source>
        <translation>The zip %1 holds no FIDE list (a .txt file that starts with the header “ID Number Name…”): the list in use has not changed.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne commence pas par l&apos;en-tête de la liste FIDE (« ID Number Name… ») : la liste en place n&apos;a pas changé.</source>
        <translation>The file %1 does not start with the FIDE list&apos;s header (“ID Number Name…”): the list in use has not changed.</translation>
    </message>
    <message>
        <source>La ligne %2 du fichier %1 est bien trop longue pour une liste FIDE : le fichier est abîmé et la liste en place n&apos;a pas changé.</source>
        <translation>Line %2 of the file %1 is far too long for a FIDE list: the file is damaged and the list in use has not changed.</translation>
    </message>
    <message>
        <source>Le zip %1 est abîmé ou incomplet (%2) : la liste en place n&apos;a pas changé.</source>
        <translation>The zip %1 is damaged or incomplete (%2): the list in use has not changed.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient aucun joueur : la liste en place n&apos;a pas changé.</source>
        <translation>The file %1 holds no player: the list in use has not changed.</translation>
    </message>
    <message>
        <source>1 ligne de la liste ignorée (abîmée)</source>
        <translation>1 line of the list skipped (damaged)</translation>
    </message>
    <message>
        <source>%1 lignes de la liste ignorées (abîmées)</source>
        <translation>%1 lines of the list skipped (damaged)</translation>
    </message>
    <message>
        <source>Le mois de la liste s&apos;écrit AAAA-MM (2026-10), pas « %1 ».</source>
        <translation>The month of the list is written YYYY-MM (2026-10), not “%1”.</translation>
    </message>
    <message>
        <source>La liste FIDE %1 est occupée par un autre programme : réessayez quand il l&apos;aura libérée.</source>
        <translation>The FIDE list %1 is in use by another program: try again when it has released it.</translation>
    </message>
    <message>
        <source>La liste FIDE %1 est abîmée (%2) : importez-la de nouveau.</source>
        <translation>The FIDE list %1 is damaged (%2): import it again.</translation>
    </message>
    <message>
        <source>La liste FIDE %1 a été écrite par une version plus récente de Tavolin : elle n&apos;a pas été modifiée.</source>
        <translation>The FIDE list %1 was written by a newer version of Tavolin: it has not been changed.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste FIDE de Tavolin (%2) : il n&apos;a pas été modifié.</source>
        <translation>The file %1 is not a Tavolin FIDE list (%2): it has not been changed.</translation>
    </message>
    <message>
        <source>Impossible d&apos;utiliser la liste FIDE %1 : la base de données a refusé l&apos;opération (%2).</source>
        <translation>Cannot use the FIDE list %1: the database refused the operation (%2).</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la liste FIDE %1 : le module SQLite de Qt (paquet libqt6sql6-sqlite) n&apos;est pas installé.</source>
        <translation>Cannot open the FIDE list %1: Qt&apos;s SQLite module (package libqt6sql6-sqlite) is not installed.</translation>
    </message>
    <message>
        <source>Le téléchargement de la liste FIDE a échoué : %1.</source>
        <translation>The download of the FIDE list failed: %1.</translation>
    </message>
    <message>
        <source>La liste FIDE est déjà la plus récente.</source>
        <translation>The FIDE list is already the latest.</translation>
    </message>
    <message>
        <source>le serveur a répondu %1</source>
        <translation>the server answered %1</translation>
    </message>
    <message>
        <source>le serveur %1 est introuvable</source>
        <translation>the server %1 cannot be found</translation>
    </message>
    <message>
        <source>le serveur %1 refuse la connexion</source>
        <translation>the server %1 refuses the connection</translation>
    </message>
    <message>
        <source>le serveur n&apos;a rien envoyé pendant %1 s</source>
        <translation>the server sent nothing for %1 s</translation>
    </message>
    <message>
        <source>le serveur %1 ne répond pas</source>
        <translation>the server %1 does not answer</translation>
    </message>
    <message>
        <source>la connexion a été coupée avant la fin (%1 octets reçus sur %2)</source>
        <translation>the connection was cut before the end (%1 bytes received of %2)</translation>
    </message>
    <message>
        <source>la connexion a été coupée avant la fin</source>
        <translation>the connection was cut before the end</translation>
    </message>
    <message>
        <source>le serveur renvoie vers une adresse moins sûre</source>
        <translation>the server redirects to a less secure address</translation>
    </message>
    <message>
        <source>le serveur renvoie d&apos;adresse en adresse sans fin</source>
        <translation>the server redirects from address to address without end</translation>
    </message>
    <message>
        <source>la connexion sécurisée a échoué (%1)</source>
        <translation>the secure connection failed (%1)</translation>
    </message>
    <message>
        <source>le serveur mandataire a échoué (%1)</source>
        <translation>the proxy server failed (%1)</translation>
    </message>
    <message>
        <source>erreur du réseau (%1)</source>
        <translation>network error (%1)</translation>
    </message>
    <message>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>erreur de lecture</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Erreur interne du programme : %1</source>
        <translation>Internal error of the program: %1</translation>
    </message>
    <message>
        <source>Une erreur inattendue a interrompu l&apos;opération.</source>
        <translation>An unexpected error interrupted the operation.</translation>
    </message>
    <message>
        <source>Clore la période ? Votre nouveau classement %1 devient votre classement actuel et votre partie est archivée.</source>
        <translation>Close the period? Your new rating %1 becomes your current rating and your game is archived.</translation>
    </message>
    <message>
        <source>Période close : %1 → %2 (1 partie archivée)</source>
        <translation>Period closed: %1 → %2 (1 game archived)</translation>
    </message>
    <message>
        <source>Période close : premier classement %1 (1 partie archivée)</source>
        <translation>Period closed: first rating %1 (1 game archived)</translation>
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
    <message>
        <source>Parties du calcul</source>
        <translation>Games of the calculation</translation>
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
    <message>
        <source>Périodes closes</source>
        <translation>Closed periods</translation>
    </message>
    <message>
        <source>Parties de la période</source>
        <translation>Games of the period</translation>
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
    <message>
        <source>Table des pourcentages</source>
        <translation>Percentage table</translation>
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
    <message>
        <source>Parties à importer</source>
        <translation>Games to import</translation>
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
