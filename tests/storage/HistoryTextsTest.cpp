// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTexts.h"

#include <gtest/gtest.h>

#include "HistoryPeriods.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

TEST(HistoryTextsTest, RowsSayDateSystemGamesScoreRatingsAndChange) {
    struct Case {
        HistoryPeriod period;
        QChar separator;
        QStringList row;
    };
    const Case cases[] = {
        {closedPeriod("2025-12-31", 1, 1850, 1860, {1, 0.5, 0, 1}),
         ',',
         {"31/12/2025", "FIDE 2024", "4", "2,5", "1850 → 1860", "+10"}},
        {closedPeriod("2026-01-02", 1, 1600, 1588, {0, 0.5}, RatingSystem::Injes),
         '.',
         {"02/01/2026", "INJES", "2", "0.5", "1600 → 1588", "-12"}},
        {closedPeriod("2026-03-01", 1, 1600, 1600, {1, 0}, RatingSystem::Elo),
         ',',
         {"01/03/2026", "ELO", "2", "1", "1600 → 1600", "0"}},
        {closedPeriod("2025-06-30", 1, std::nullopt, 1779, {1, 1, 0, 0.5, 1}),
         ',',
         {"30/06/2025", "FIDE 2024", "5", "3,5", "non classé → 1779", ""}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(historyRow(test.period, test.separator), test.row);
    }
}

TEST(HistoryTextsTest, CsvIsForAFrenchSpreadsheet) {
    HistoryPeriod first = closedPeriod("2025-06-30", 3, std::nullopt, 1779, {1, 1, 0, 0.5, 1});
    first.playerName = "Dupont; \"Jean\"";
    const HistoryPeriod second =
        closedPeriod("2025-12-31", 3, 1779, 1771, {0, 0.5}, RatingSystem::Fide);
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Date;Joueur;Système;Parties;Score;Classement avant;Nouveau classement;Variation\r\n"
        "30/06/2025;\"Dupont; \"\"Jean\"\"\";FIDE 2024;5;3,5;;1779;\r\n"
        "31/12/2025;Joueur 3;FIDE;2;0,5;1779;1771;-8\r\n";
    EXPECT_EQ(historyCsv({first, second}), expected);

    HistoryPeriod imported = closedPeriod("2025-12-31", 3, 1779, 1771, {0, 0.5});
    imported.games[1] = {{1810, 0.5}, "Petit; Paul", "2025.12.02", "Open d'hiver", "4"};
    EXPECT_EQ(historyGamesCsv({imported}),
              "\xEF\xBB\xBF"
              "Date;Joueur;Système;Classement avant;Nouveau classement;N°;Adversaire;Elo;"
              "Résultat;Tournoi;Ronde;Date de la partie\r\n"
              "31/12/2025;Joueur 3;FIDE 2024;1779;1771;1;;1800;0;;;\r\n"
              "31/12/2025;Joueur 3;FIDE 2024;1779;1771;2;\"Petit; Paul\";1810;0,5;Open d'hiver;4;"
              "2025.12.02\r\n");
}

TEST(HistoryTextsTest, AGameRowSaysWhatTheImportGaveIt) {
    HistoryGame imported{{1850, 0.5}, "Petit, Paul", "2025.12.02", "Open d'hiver", "4"};
    EXPECT_EQ(historyGameRow(3, imported),
              (QStringList{"3", "Petit, Paul", "1850", "½", "Open d'hiver", "4", "2025.12.02"}));
    EXPECT_EQ(historyGameRow(1, HistoryGame{{1700, 1}, {}, {}, {}, {}}),
              (QStringList{"1", "", "1700", "1", "", "", ""}));
    EXPECT_EQ(historyGameRow(2, HistoryGame{{2010, 0}, {}, {}, {}, {}})[3], "0");
}

TEST(HistoryTextsTest, APeriodIsNamedByItsDateAndRatings) {
    EXPECT_EQ(periodName(closedPeriod("2026-12-10", 1, 1876, 1893, {1})),
              "du 10/12/2026 à 18:30, 1876 → 1893");
    EXPECT_EQ(periodName(closedPeriod("2026-12-10", 1, std::nullopt, 1808, {1})),
              "du 10/12/2026 à 18:30, premier classement 1808");
}

// Points and ratings are written as the general conversion writes them, whatever the figure.
TEST(HistoryTextsTest, PointsAreWrittenAsTheGeneralConversionWritesThem) {
    for (const double figure : {0.0, 0.5, 1.0, 2.5, 49.5, 1850.0, 1810.5, 9999999999999.5, 1e13,
                                1e15 + 1, 0.25, 1800.3, 1e300, -0.0, -1.5, 4e-5}) {
        for (const QChar separator : {QChar(','), QChar('.')}) {
            QString general = QString::number(figure, 'g', 15);
            general.replace('.', separator);
            EXPECT_EQ(pointsText(figure, separator), general) << figure;
        }
    }
}

}  // namespace
}  // namespace tavolin::testing
