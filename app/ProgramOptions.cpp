// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramOptions.h"

#include "TrfFile.h"
#include "Utf8.h"

namespace tavolin {

const ShownText kProgramUsage = TAVOLIN_TEXT(
    "ProgramOptions",
    "Utilisation : tavolin [--user-data] [FICHIER.pgn | FICHIER.trf]\n"
    "Garde les parties d'une période de classement d'un joueur d'échecs et calcule son\n"
    "nouveau classement.\n"
    "\n"
    "Sans option, les joueurs sont gardés dans le fichier tavo.lin du dossier courant, qui\n"
    "doit en avoir un. Avec un fichier PGN ou un rapport de tournoi (TRF), ses parties sont\n"
    "proposées à l'importation ; quand le programme est déjà ouvert sur les mêmes joueurs, le\n"
    "fichier lui est confié.\n"
    "\n"
    "      --user-data  garder les joueurs dans le dossier de l'utilisateur,\n"
    "                   $XDG_DATA_HOME/tavolin (par défaut ~/.local/share/tavolin), créé\n"
    "                   avec un fichier de joueurs vierge au premier démarrage ; le menu du\n"
    "                   bureau démarre le programme ainsi\n"
    "  -h, --help       afficher cette aide\n"
    "      --version    afficher la version du programme\n");

ProgramOptions readProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--user-data")) {
            options.userData = true;
        } else if (!argument.startsWith(QLatin1Char('-'))) {
            // A report saved as ".txt" is known by its first bytes.
            const bool games = argument.endsWith(QStringLiteral(".pgn"), Qt::CaseInsensitive) ||
                               argument.endsWith(QStringLiteral(".trf"), Qt::CaseInsensitive) ||
                               (argument.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) &&
                                isTrfFile(argument));
            if (games && options.pgnFile.isEmpty()) {
                options.pgnFile = argument;
            } else if (options.unknownFile.isEmpty()) {
                options.unknownFile = argument;
            }
        } else if (options.unknown.isEmpty()) {
            options.unknown = argument;
        }
    }
    return options;
}

QStringList withoutQtOptions(const QStringList& arguments) {
    // As QGuiApplication and QApplication take them, with one dash or two.
    static const QStringList withValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("title"),           QStringLiteral("name"),
        QStringLiteral("qmljsdebugger")};
    static const QStringList alone{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("sync"),    QStringLiteral("nograb"),
                                   QStringLiteral("dograb"),  QStringLiteral("visual")};
    QStringList kept;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        QString name = arguments[k];
        if (!name.startsWith(QLatin1Char('-'))) {
            kept.append(name);
            continue;
        }
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString bare = name.section(QLatin1Char('='), 0, 0);
        if (withValue.contains(bare)) {
            if (!name.contains(QLatin1Char('='))) {
                ++k;  // its value
            }
        } else if (!alone.contains(bare)) {
            kept.append(arguments[k]);
        }
    }
    return kept;
}

namespace {

constexpr ShownText kUnknownOption =
    TAVOLIN_TEXT("ProgramOptions", "tavolin : option inconnue « %1 » (voir tavolin --help)");
constexpr ShownText kUnknownFile =
    TAVOLIN_TEXT("ProgramOptions", "tavolin : fichier inconnu « %1 »");

}  // namespace

QString commandLineError(const ProgramOptions& options) {
    if (!options.unknown.isEmpty()) {
        return fromUtf8(kUnknownOption).arg(options.unknown);
    }
    if (!options.unknownFile.isEmpty()) {
        return fromUtf8(kUnknownFile).arg(options.unknownFile);
    }
    return {};
}

}  // namespace tavolin
