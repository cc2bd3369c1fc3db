// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program shows: chosen from the desktop's, installed and removed whole.
#include "ShownLanguage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <string>

#include "CalcRun.h"
#include "HistoryTexts.h"
#include "PeriodSummary.h"
#include "PgnText.h"
#include "RatingSystem.h"
#include "UserMessages.h"

namespace tavolin {
namespace {

TEST(ShownLanguageTest, FollowsTheFirstLanguageTheDesktopSets) {
    struct Case {
        std::vector<std::pair<QString, QString>> variables;
        ShownLanguage shown;
    };
    const std::vector<Case> cases{
        {{}, ShownLanguage::English},
        {{{"LANG", "fr_FR.UTF-8"}}, ShownLanguage::French},
        {{{"LANG", "fr_CA"}}, ShownLanguage::French},
        {{{"LANG", "C"}}, ShownLanguage::English},
        {{{"LANG", "de_DE.UTF-8"}}, ShownLanguage::English},
        {{{"LANG", "en_GB.UTF-8"}, {"LC_MESSAGES", "fr_BE.UTF-8"}}, ShownLanguage::French},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_ALL", "en_US.UTF-8"}}, ShownLanguage::English},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "en"}}, ShownLanguage::English},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:en"}}, ShownLanguage::French},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", ""}}, ShownLanguage::French},
        {{{"LANG", "fr_FR@euro"}}, ShownLanguage::French},
        {{{"LANG", "french"}}, ShownLanguage::English},
    };
    for (const Case& c : cases) {
        QProcessEnvironment environment;
        QString said;
        for (const auto& [name, value] : c.variables) {
            environment.insert(name, value);
            said += name + '=' + value + ' ';
        }
        EXPECT_EQ(desktopLanguage(environment), c.shown) << said.toStdString();
    }
}

// Installed, English reaches the engine's texts, the command line and the numbers;
// removed, everything is French again, byte for byte.
TEST(ShownLanguageTest, EnglishIsInstalledAndRemovedWhole) {
    const CalcRun frenchHelp = calc({"--help"});
    const CalcRun frenchFide = calc({"-s", "fide", "-r", "1600", "1600+", "1600-", "1600+"});
    {
        const LanguageInstallation english(ShownLanguage::English);
        EXPECT_EQ(messages::kTooManyGames, "Cannot add more than 50 games");
        EXPECT_EQ(resultCaptions(RatingSystem::Elo).newRating, "NEW ELO:");
        EXPECT_EQ(english.decimalSeparator(), ".");

        const CalcRun help = calc({"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with("Usage: tavolin-calc [OPTIONS] GAME...\n"));
        for (const std::string_view french : {"é", "è", "à", "ç", "«", "Utilisation"}) {
            EXPECT_EQ(help.out.find(french), std::string::npos) << french;
        }
        const CalcRun fide = calc({"-s", "fide", "-r", "1600", "1600+", "1600-", "1600+"},
                                  english.decimalSeparator().toStdString());
        EXPECT_EQ(fide.out,
                  "Change: 12\nExpected/actual score: 1.5/2\nOpponents' average: 1600\n"
                  "NEW FIDE: 1613\n");
        const CalcRun refused = calc({"-s", "nope"});
        EXPECT_TRUE(refused.err.starts_with(
            "tavolin-calc: unknown system “nope” (elo, injes, fide, perf or fide2024)\n"));
    }
    EXPECT_EQ(messages::kTooManyGames, "Impossible d'ajouter plus de 50 parties");
    EXPECT_EQ(calc({"--help"}).out, frenchHelp.out);
    EXPECT_EQ(calc({"-s", "fide", "-r", "1600", "1600+", "1600-", "1600+"}).out, frenchFide.out);
}

// The history's export is for a spreadsheet of the language shown: its titles, its dates,
// its decimal separator and the field separator that goes with it.
TEST(ShownLanguageTest, TheHistoryExportFollowsTheLanguage) {
    PeriodSummary period;
    period.closedOn = QDate(2026, 3, 14);
    period.closedAtTime = QTime(18, 5);
    period.playerName = QStringLiteral("Lefèvre, Hélène");
    period.system = RatingSystem::Fide;
    period.ratingBefore = 1850;
    period.newRating = 1862;
    period.gameCount = 5;
    period.points = 3.5;
    const QByteArray french = historyCsv({period});
    EXPECT_EQ(french.toStdString(),
              "\xEF\xBB\xBF"
              "Date;Joueur;Système;Parties;Score;Classement avant;Nouveau classement;"
              "Variation\r\n14/03/2026;Lefèvre, Hélène;FIDE;5;3,5;1850;1862;12\r\n");
    {
        const LanguageInstallation english(ShownLanguage::English);
        EXPECT_EQ(historyCsv({period}).toStdString(),
                  "\xEF\xBB\xBF"
                  "Date,Player,System,Games,Score,Rating before,New rating,Change\r\n"
                  "03/14/2026,\"Lefèvre, Hélène\",FIDE,5,3.5,1850,1862,12\r\n");
        EXPECT_EQ(periodName(period), "of 03/14/2026 at 18:05, 1850 → 1862");
    }
    EXPECT_EQ(historyCsv({period}), french);
    EXPECT_EQ(periodName(period), "du 14/03/2026 à 18:05, 1850 → 1862");
}

// An imported game's date, month first in English; what is no PGN date stays as written.
TEST(ShownLanguageTest, ImportedDatesFollowTheLanguage) {
    struct Case {
        const char* pgn;
        const char* french;
        const char* english;
    };
    const Case cases[] = {{"2026.10.02", "02/10/2026", "10/02/2026"},
                          {"2026.??.??", "?\?/?\?/2026", "?\?/?\?/2026"},
                          {"2026.10.??", "?\?/10/2026", "10/?\?/2026"},
                          {"28. 07. 2005", "28. 07. 2005", "28. 07. 2005"}};
    for (const Case& c : cases) {
        EXPECT_EQ(shownPgnDate(c.pgn), c.french) << c.pgn;
    }
    const LanguageInstallation english(ShownLanguage::English);
    for (const Case& c : cases) {
        EXPECT_EQ(shownPgnDate(c.pgn), c.english) << c.pgn;
    }
}

}  // namespace
}  // namespace tavolin
