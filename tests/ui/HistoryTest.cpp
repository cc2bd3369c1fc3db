// SPDX-License-Identifier: GPL-3.0-or-later
// Closing a period from the main window, and the history window: the wiring. The history's
// own rules are tested on the plain classes.
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QLineSeries>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <limits>

#include "HistoryPeriods.h"
#include "HistoryTexts.h"
#include "HistoryWindow.h"
#include "HistoryWindowControls.h"
#include "MainWindowFixture.h"
#include "ModalHelper.h"
#include "PlayerFile.h"
#include "RatingChart.h"
#include "RatingHistory.h"

namespace tavolin::testing {
namespace {

class HistoryTest : public MainWindowTest {
protected:
    QString historyFile() const { return folder.filePath("tavolin-history.sqlite"); }
};

// A single game is said as one: "votre partie est archivée", "1 partie archivée".
TEST_F(HistoryTest, APeriodOfOneGameIsSaidInTheSingular) {
    type(ui.ratingEdit, "1850");
    addGame("1900", "+");
    click(ui.calculateButton);
    boxes.answer = true;
    click(ui.closePeriodButton);
    ASSERT_EQ(boxes.questions.size(), 1);
    EXPECT_TRUE(boxes.questions[0].endsWith("et votre partie est archivée."))
        << boxes.questions[0].toStdString();
    EXPECT_TRUE(ui.notesValue->text().endsWith("(1 partie archivée)"))
        << ui.notesValue->text().toStdString();
}

TEST_F(HistoryTest, ClosingArchivesThePeriodAndMakesItsNewRatingCurrent) {
    calculateFide2024Example();
    addGame("1500", "+");  // the figures no longer match the games
    EXPECT_FALSE(ui.closePeriodButton->isEnabled());
    QTest::keyClick(mainWindow.get(), Qt::Key_K, Qt::ControlModifier);
    deleteGame("5");
    click(ui.calculateButton);
    click(ui.perfButton);
    click(ui.calculateButton);
    click(ui.closePeriodButton);
    click(ui.fide2024Button);
    click(ui.calculateButton);
    QTest::keyClick(mainWindow.get(), Qt::Key_K, Qt::ControlModifier);  // answered "Non"
    EXPECT_EQ(boxes.warnings,
              (QStringList{"Aucun calcul ne correspond aux parties affichées : cliquez d'abord "
                           "sur CALCUL.",
                           "Une performance ne donne pas de nouveau classement : choisissez le "
                           "système de votre classement pour clore la période."}));
    EXPECT_EQ(boxes.questions,
              QStringList{"Clore la période ? Votre nouveau classement 1860 devient votre "
                          "classement actuel et vos 4 parties sont archivées."});
    EXPECT_FALSE(QFile::exists(historyFile()));
    EXPECT_EQ(ui.gameCountValue->text(), "4");

    const QStringList shown{ui.averageValue->text(), ui.scoreValue->text(),
                            ui.performanceValue->text(), ui.newRatingValue->text()};
    boxes.answer = true;
    const QDate caughtUp = QDate::currentDate().addMonths(-5);  // a period entered late
    boxes.dateAnswer = caughtUp;
    click(ui.closePeriodButton);
    EXPECT_EQ(ui.ratingEdit->text(), "1860");
    EXPECT_EQ(ui.gameCountValue->text(), "0");
    EXPECT_EQ(ui.notesValue->text(), "Période close : 1850 → 1860 (4 parties archivées)");
    EXPECT_EQ(QApplication::focusWidget(), ui.opponentEdit);  // the next period's first game
    EXPECT_TRUE(ui.notesValue->isEnabled());
    const PlayerRecord saved = PlayerFile(playerFile).readAll()[0];
    EXPECT_EQ(saved.rating(), 1860);
    EXPECT_EQ(saved.gameCount(), 0);
    const auto periods = RatingHistory(historyFile()).periods(1);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].closedAt.date(), caughtUp);
    EXPECT_EQ(periods[0].ratingBefore, 1850);
    EXPECT_EQ(periods[0].newRating, 1860);
    EXPECT_EQ(periods[0].coefficient, 20);
    EXPECT_EQ((QStringList{periods[0].average, periods[0].score, periods[0].performance,
                           periods[0].newRatingText}),
              shown);
    EXPECT_EQ(periods[0].games.size(), 4u);
    EXPECT_EQ(periods[0].points(), 2.5);
}

// A new rating with a decimal becomes a whole current rating; the history keeps its text.
TEST_F(HistoryTest, AnInjesRatingWithADecimalClosesToTheNearestWholeRating) {
    type(ui.ratingEdit, "800");
    for (const char* sign : {"+", "=", "-"}) {
        addGame("1000", sign);
    }
    click(ui.injesButton);
    click(ui.calculateButton);
    const QString shown = ui.newRatingValue->text();
    ASSERT_TRUE(shown == "885,7" || shown == "885.7") << shown.toStdString();
    boxes.answer = true;
    click(ui.closePeriodButton);
    EXPECT_EQ(boxes.questions,
              QStringList{"Clore la période ? Votre nouveau classement 886 devient votre "
                          "classement actuel et vos 3 parties sont archivées."});
    EXPECT_EQ(ui.ratingEdit->text(), "886");
    EXPECT_EQ(PlayerFile(playerFile).readAll()[0].rating(), 886);
    const auto periods = RatingHistory(historyFile()).periods(1);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].newRating, 886);
    EXPECT_EQ(periods[0].newRatingText, shown);

    addGame("1000", "=");
    click(ui.calculateButton);
    EXPECT_TRUE(boxes.warnings.isEmpty());
    EXPECT_FALSE(ui.newRatingValue->text().isEmpty());
}

// The history and the player file never disagree: a player that cannot be saved takes the
// period back out of the history, the screen as it was; closing again makes one period.
TEST_F(HistoryTest, APlayerThatCannotBeSavedTakesThePeriodBackOut) {
    calculateFide2024Example();
    mainWindow->savePlayer();
    const QByteArray players = readFile(playerFile);
    const QString shown = results();
    QFile::remove(playerFile);
    boxes.answer = true;
    click(ui.closePeriodButton);
    EXPECT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(RatingHistory(historyFile()).periods(1).empty());
    EXPECT_EQ(ui.ratingEdit->text(), "1850");
    EXPECT_EQ(ui.gameCountValue->text(), "4");
    EXPECT_EQ(mainWindow->session().games().count, 4);
    EXPECT_EQ(results(), shown);

    writeFile(playerFile, players);
    click(ui.closePeriodButton);
    EXPECT_EQ(RatingHistory(historyFile()).periods(1).size(), 1u);
    EXPECT_EQ(PlayerFile(playerFile).readAll()[0].rating(), 1860);
}

// Returning from the program's own windows reloads nothing: the figures stay, and the
// period closes after a look at each window.
TEST_F(HistoryTest, LookingAtTheProgramsOwnWindowsErasesNothing) {
    calculateFide2024Example();
    const QString shown = results();
    const std::vector<std::pair<const char*, std::function<void()>>> openers = {
        {"Détail", [&] { QTest::keyClick(mainWindow.get(), Qt::Key_D, Qt::ControlModifier); }},
        {"Historique", [&] { QTest::keyClick(mainWindow.get(), Qt::Key_H, Qt::ControlModifier); }},
        {"Tableau", [&] { click(ui.tableButton); }},
        {"Options", [&] { click(ui.optionsButton); }},
        {"Infos", [&] { click(ui.aboutButton); }},
    };
    for (const auto& [name, open] : openers) {
        bool opened = false;
        whenModalShown<QDialog>([&](QDialog* window) {
            opened = true;
            QTest::keyClick(window, Qt::Key_Escape);
        });
        open();
        activate();  // the window manager gives the focus back
        EXPECT_TRUE(opened) << name;
        EXPECT_EQ(results(), shown) << name;
        EXPECT_TRUE(ui.closePeriodButton->isEnabled()) << name;
    }
    boxes.answer = true;
    QTest::keyClick(mainWindow.get(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(RatingHistory(historyFile()).periods(1).size(), 1u);
    EXPECT_TRUE(boxes.warnings.isEmpty());
}

// Figures that no longer match the games can be neither detailed nor closed.
TEST_F(HistoryTest, DimmedFiguresDisableTheDetailAndTheClosing) {
    calculateFide2024Example();
    EXPECT_TRUE(ui.detailButton->isEnabled());
    EXPECT_EQ(ui.detailButton->toolTip(), "Détail du calcul (Ctrl+D)");
    type(ui.ratingEdit, "1880");
    for (QPushButton* button : {ui.detailButton, ui.closePeriodButton}) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
        EXPECT_TRUE(button->toolTip().startsWith("Cliquez d'abord sur CALCUL"));
    }
    click(ui.calculateButton);
    EXPECT_TRUE(ui.detailButton->isEnabled());
    EXPECT_TRUE(ui.closePeriodButton->isEnabled());
    EXPECT_EQ(ui.closePeriodButton->toolTip(), "Clore la période (Ctrl+K)");
}

// A first FIDE 2024 rating shows the figures it comes from, and its closing makes the K a
// new player's.
TEST_F(HistoryTest, AFirstFideRatingAddsUpAndItsClosingMakesTheK40) {
    for (const auto& [rating, sign] :
         {std::pair{"1700", "+"}, std::pair{"1700", "+"}, std::pair{"1600", "+"},
          std::pair{"1800", "-"}, std::pair{"1700", "-"}}) {
        addGame(rating, sign);
    }
    click(ui.fide2024Button);
    click(ui.calculateButton);
    EXPECT_EQ(results(), "1729|4/7|+50|1779");  // 1729 + 50, the two 1800 draws counted
    boxes.answer = true;
    click(ui.closePeriodButton);
    ASSERT_EQ(boxes.questions.size(), 1);
    EXPECT_TRUE(boxes.questions[0].endsWith(
        "Votre facteur K devient 40, celui d'un nouveau joueur jusqu'à 30 parties."));
    EXPECT_EQ(ui.coefficientBox->currentText(), "40");
    EXPECT_EQ(PlayerFile(playerFile).readAll()[0].coefficient(), 40);
    EXPECT_EQ(ui.notesValue->text(),
              "Période close : premier classement 1779 (5 parties archivées)");
    const auto periods = RatingHistory(historyFile()).periods(1);
    ASSERT_EQ(periods.size(), 1u);
    EXPECT_EQ(periods[0].average, "1729");
    EXPECT_EQ(periods[0].score, "4/7");
}

// The latest period reopens: its games back in the list, the rating before it current, the
// period out of the history; never over games already listed.
TEST_F(HistoryTest, TheLatestPeriodReopensIntoAnEmptyList) {
    calculateFide2024Example();
    boxes.answer = true;
    click(ui.closePeriodButton);
    addGame("1500", "+");
    const auto reopenIn = [&](bool& reopenable) {
        whenModalShown<HistoryWindow>([&](HistoryWindow* window) {
            const auto shown = controlsOf<HistoryWindowControls>(*window);
            shown.periodTable->selectRow(0);
            reopenable = shown.reopenButton->isEnabled();
            click(shown.reopenButton);
            click(shown.closeButton);
        });
        activate();  // as the window manager gives the focus back after a window
        QTest::keyClick(mainWindow.get(), Qt::Key_H, Qt::ControlModifier);
    };
    bool reopenable = false;
    reopenIn(reopenable);
    EXPECT_TRUE(reopenable);
    EXPECT_EQ(boxes.warnings, QStringList{"Pour rouvrir la période, la liste des parties doit "
                                          "être vide : effacez d'abord les parties listées."});
    EXPECT_EQ(RatingHistory(historyFile()).periods(1).size(), 1u);

    click(ui.clearGamesButton);
    reopenIn(reopenable);
    EXPECT_TRUE(RatingHistory(historyFile()).periods(1).empty());
    EXPECT_EQ(ui.ratingEdit->text(), "1850");
    EXPECT_EQ(mainWindow->session().games().count, 4);
    const PlayerRecord saved = PlayerFile(playerFile).readAll()[0];
    EXPECT_EQ(saved.rating(), 1850);
    EXPECT_EQ(saved.games()[0].opponentRating, 2010);
    click(ui.calculateButton);
    EXPECT_EQ(ui.newRatingValue->text(), "1860");
}

// Another program holds the history, or it is damaged: nothing is closed, the screen, the
// player file and the history stay as they were.
TEST_F(HistoryTest, AHistoryThatCannotBeWrittenClosesNothing) {
    RatingHistory(historyFile()).add(closedPeriod("2025-06-30", 1, 1800, 1850, {1}));
    calculateFide2024Example();
    mainWindow->savePlayer();  // what a pending save would write
    const QByteArray playersBefore = readFile(playerFile);
    boxes.answer = true;
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        holder.setDatabaseName(historyFile());
        ASSERT_TRUE(holder.open());
        QSqlQuery(holder).exec("BEGIN EXCLUSIVE");
        click(ui.closePeriodButton);
        holder.close();
    }
    QSqlDatabase::removeDatabase("other-program");
    EXPECT_EQ(RatingHistory(historyFile()).periods().size(), 1u);

    QFile damaged(historyFile());
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.write("not a history, ");
    damaged.close();
    const QByteArray historyBefore = readFile(historyFile());
    click(ui.closePeriodButton);

    ASSERT_EQ(boxes.errors.size(), 2);
    EXPECT_TRUE(boxes.errors[0].contains("occupé par un autre programme"))
        << boxes.errors[0].toStdString();
    EXPECT_TRUE(boxes.errors[1].contains("est abîmé")) << boxes.errors[1].toStdString();
    EXPECT_EQ(ui.ratingEdit->text(), "1850");
    EXPECT_EQ(ui.gameCountValue->text(), "4");
    EXPECT_EQ(readFile(playerFile), playersBefore);
    EXPECT_EQ(readFile(historyFile()), historyBefore);
}

// Ctrl+H shows the current player's periods; one is deleted after a question, the others are
// exported as the spreadsheet's CSV.
TEST_F(HistoryTest, TheHistoryWindowListsDeletesAndExportsThePlayersPeriods) {
    {
        RatingHistory history(historyFile());
        history.add(closedPeriod("2025-06-30", 1, std::nullopt, 1779, {1, 1, 0, 0.5, 1}));
        history.add(closedPeriod("2025-09-30", 2, 1500, 1520, {1}));
        history.add(closedPeriod("2025-12-31", 1, 1779, 1790, {1, 0}));
        history.add(closedPeriod("2026-06-30", 1, 1790, 1771, {0, 0.5}));
    }
    const QString csvFile = folder.filePath("export");  // ".csv" added
    QStringList rows;
    int shownPoints = 0;
    bool replacedChartDeleted = false;
    int shownGames = 0;
    whenModalShown<HistoryWindow>([&](HistoryWindow* window) {
        const auto shown = controlsOf<HistoryWindowControls>(*window);
        shownPoints =
            static_cast<QLineSeries*>(shown.ratingChart->chart()->series().front())->count();
        const QPointer<QChart> first = shown.ratingChart->chart();
        shownGames = shown.gameTable->rowCount();  // of the latest period, selected
        shown.periodTable->selectRow(1);
        click(shown.deleteButton);  // answered "Non"
        boxes.answer = true;
        click(shown.deleteButton);
        replacedChartDeleted = first.isNull() && shown.ratingChart->chart() != nullptr;
        for (int row = 0; row < shown.periodTable->rowCount(); ++row) {
            rows.append(shown.periodTable->item(row, 0)->text());
        }
        window->setCsvFileChooser([&](const QString& suggested) {
            EXPECT_EQ(suggested, "historique joueur 1.csv");
            return HistoryWindow::CsvChoice{csvFile};
        });
        click(shown.exportButton);
        window->setCsvFileChooser([&](const QString&) {
            return HistoryWindow::CsvChoice{csvFile + "-parties.csv", true};
        });
        click(shown.exportButton);
        click(shown.closeButton);
    });
    QTest::keyClick(mainWindow.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(shownPoints, 3);
    EXPECT_TRUE(replacedChartDeleted);
    EXPECT_EQ(shownGames, 2);
    EXPECT_EQ(boxes.questions.size(), 2);
    EXPECT_EQ(boxes.questions[0],
              "Supprimer de l'historique la période du 31/12/2025 à 18:30, 1779 → 1790 ? Ses "
              "parties seront effacées. Votre classement actuel reste tel qu'il est.");
    EXPECT_EQ(rows, (QStringList{"30/06/2025", "30/06/2026"}));
    const auto left = RatingHistory(historyFile()).periods(1);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(readFile(csvFile + ".csv"), historyCsv(left));
    EXPECT_EQ(readFile(csvFile + "-parties.csv"), historyGamesCsv(left));
}

// Drawn offscreen, the curve has a point of its colour where each period's rating falls.
TEST(RatingChartTest, ThereIsAPointPerPeriod) {
    const std::vector<HistoryPeriod> periods{closedPeriod("2024-06-30", 1, std::nullopt, 1779, {1}),
                                             closedPeriod("2024-12-31", 1, 1779, 1812, {1}),
                                             closedPeriod("2025-06-29", 1, 1812, 1798, {1}),
                                             closedPeriod("2025-12-30", 1, 1798, 1845, {1}),
                                             closedPeriod("2026-06-28", 1, 1845, 1860, {1})};
    QChartView view(ratingChart(periods).release());
    view.resize(640, 320);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QImage image = view.grab().toImage();
    QChart* chart = view.chart();
    auto* series = static_cast<QLineSeries*>(chart->series().front());
    ASSERT_EQ(series->count(), 5);
    for (const HistoryPeriod& period : periods) {
        const QPointF value(static_cast<qreal>(period.closedAt.toMSecsSinceEpoch()),
                            period.newRating);
        const QPoint at = view.mapFromScene(chart->mapToScene(chart->mapToPosition(value, series)));
        // A disc, not only the line through it: three pixels off in every direction.
        for (const QPoint off :
             {QPoint(0, 0), QPoint(3, 0), QPoint(-3, 0), QPoint(0, 3), QPoint(0, -3)}) {
            ASSERT_TRUE(image.rect().contains(at + off));
            EXPECT_EQ(image.pixelColor(at + off), kRatingCurveColor) << period.newRating;
        }
    }
}

// Whatever the ratings, the axis has round steps and a few ticks around them.
TEST(RatingChartTest, TheRatingAxisHasAFewRoundTicksWhateverTheRatings) {
    struct Case {
        std::vector<int> ratings;
        RatingScale expected;
    };
    for (const Case& c :
         {Case{{1779, 1812, 1860}, {1750, 1900, 25}}, Case{{0, 4000}, {}},
          Case{{1500, 2000000000}, {}},
          Case{{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}, {}}}) {
        std::vector<HistoryPeriod> periods;
        for (const int rating : c.ratings) {
            periods.push_back(closedPeriod("2025-06-30", 1, std::nullopt, rating, {1}));
        }
        const RatingScale scale = ratingScale(ratingPoints(periods));
        EXPECT_LE((scale.high - scale.low) / scale.step, 8) << c.ratings.back();
        EXPECT_LE(scale.low, qint64{c.ratings.front()});
        EXPECT_GE(scale.high, qint64{c.ratings.back()});
        if (c.expected.step == 25) {
            EXPECT_EQ(scale.low, c.expected.low);
            EXPECT_EQ(scale.high, c.expected.high);
        }
    }
}

// The curve starts at the rating before the first period; the date axis ticks on months,
// or on years past three years, never more than seven; the points shrink as they grow many.
TEST(RatingChartTest, TheCurveStartsBeforeTheFirstPeriodAndTicksOnMonthsOrYears) {
    const std::vector<HistoryPeriod> season{closedPeriod("2026-01-31", 1, 1850, 1860, {1}),
                                            closedPeriod("2026-02-28", 1, 1860, 1876, {1}),
                                            closedPeriod("2026-03-31", 1, 1876, 1893, {1})};
    const std::vector<QPointF> points = ratingPoints(season);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points.front().y(), 1850);
    EXPECT_EQ(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(points.front().x())).date(),
              QDate(2026, 1, 1));
    const auto dateLabels = [](const std::vector<HistoryPeriod>& periods) {
        const std::unique_ptr<QChart> chart = ratingChart(periods);
        auto* axis = static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
        return axis->categoriesLabels();
    };
    EXPECT_EQ(dateLabels(season),
              (QStringList{"12/2025", "01/2026", "02/2026", "03/2026", "04/2026", "05/2026"}));

    std::vector<HistoryPeriod> decade;
    for (int year = 2016; year <= 2026; ++year) {
        for (const char* day : {"-03-31", "-06-30", "-09-30", "-12-31"}) {
            decade.push_back(closedPeriod(QString::number(year) + day, 1, 1800, 1810, {1}));
        }
    }
    const QStringList years = dateLabels(decade);
    EXPECT_LE(years.size(), 8);
    EXPECT_EQ(years.front().size(), 4) << years.front().toStdString();  // "2018"
    EXPECT_LT(markerSize(decade.size()), markerSize(season.size()));
    EXPECT_GE(markerSize(1000), 3);
}

// Past four points per column of the date axis, each column keeps its first, lowest,
// highest and last point, in their order: the line drawn reaches the same heights.
TEST(RatingChartTest, ManyPointsAreDrawnAsTheSameLine) {
    std::vector<QPointF> few;
    for (int k = 0; k < 40; ++k) {
        few.emplace_back(k * 1000.0, 1800 + (k * 37) % 91);
    }
    EXPECT_EQ(drawnPoints(few, 10), few);

    for (const int count : {41, 1000, 100000}) {
        std::vector<QPointF> many;
        for (int k = 0; k < count; ++k) {
            // Not evenly spread: a burst of closings in the middle.
            const qreal at = k < count / 3 || k > count / 2 ? k * 1000.0 : k * 1000.0 + 0.5;
            many.emplace_back(at, 1800 + (k * 37) % 91 - (k == count / 2 ? 400 : 0));
        }
        const std::size_t columns = 10;
        const std::vector<QPointF> drawn = drawnPoints(many, columns);
        EXPECT_LE(drawn.size(), 4 * columns) << count;
        EXPECT_EQ(drawn.front(), many.front());
        EXPECT_EQ(drawn.back(), many.back());
        const qreal width = many.back().x() - many.front().x();
        for (std::size_t column = 0; column < columns; ++column) {
            const auto inColumn = [&](const QPointF& point) {
                const auto of = static_cast<std::size_t>((point.x() - many.front().x()) / width *
                                                         static_cast<qreal>(columns));
                return std::min(of, columns - 1) == column;
            };
            const auto heights = [&](const std::vector<QPointF>& points) {
                std::pair<qreal, qreal> lowestAndHighest{1e9, -1e9};
                for (const QPointF& point : points) {
                    if (inColumn(point)) {
                        lowestAndHighest.first = std::min(lowestAndHighest.first, point.y());
                        lowestAndHighest.second = std::max(lowestAndHighest.second, point.y());
                    }
                }
                return lowestAndHighest;
            };
            EXPECT_EQ(heights(drawn), heights(many)) << count << " column " << column;
        }
        // A subsequence of the points, in their order.
        auto next = many.begin();
        for (const QPointF& point : drawn) {
            next = std::find(next, many.end(), point);
            ASSERT_NE(next, many.end()) << count;
        }
    }
}

}  // namespace
}  // namespace tavolin::testing
