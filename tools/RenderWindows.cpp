// SPDX-License-Identifier: GPL-3.0-or-later
// Shows each window of Tavolin on the display and saves it as a PNG: the main window with
// games and results, the detail of a calculation, a history, the import of a PGN file, the
// percentage table, the Options window and the About box, in the desktop's language as the
// program shows them. Used by scripts/screenshot, which runs it under Xvfb in a folder
// holding "tavo.lin" and "tavolin.bmp": tavolin-render-windows OUTPUT_FOLDER
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

#include "AboutBox.h"
#include "Calculation.h"
#include "CalculationDetailWindow.h"
#include "HistoryWindow.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "OptionsDialog.h"
#include "PercentageTableWindow.h"
#include "PgnImportDialog.h"
#include "ProgramIcon.h"
#include "RatingHistory.h"
#include "ShownLanguage.h"

namespace {

using namespace tavolin;

class PrintedBoxes : public MessageBoxes {
public:
    void warning(QWidget*, const QString& text) override {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
    }
    void error(QWidget*, const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    bool question(QWidget*, const QString& text) override {
        std::fprintf(stderr, "question: %s\n", qPrintable(text));
        return false;
    }
    std::optional<QDate> questionWithDate(QWidget* parent, const QString& text,
                                          const QDate&) override {
        question(parent, text);
        return std::nullopt;
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return std::nullopt;
    }
};

bool save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    QTest::qWait(200);
    return window.grab().save(folder.filePath(QString::fromLatin1(name)), "PNG");
}

// A club's games of one evening's rapid tournament, most of them against rated opponents.
bool writePgnFile(const QString& path) {
    struct Game {
        const char* white;
        const char* black;
        const char* result;
        int whiteElo;
        int blackElo;
    };
    const Game games[] = {
        {"Dupont, Jean", "Martin, Luc", "1-0", 1845, 1790},
        {"Bernard, Anne", "Dupont, Jean", "1/2-1/2", 1930, 1845},
        {"Dupont, Jean", "Petit, Marc", "0-1", 1845, 2010},
        {"Moreau, Claire", "Dupont, Jean", "0-1", 1705, 1845},
        {"Dupont, Jean", "Leroy, Paul", "1-0", 1845, 0},
        {"Girard, Sophie", "Dupont, Jean", "1/2-1/2", 1880, 1845},
        {"Dupont, Jean", "Roux, Henri", "1-0", 1845, 1655},
    };
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    int round = 1;
    for (const Game& game : games) {
        QString text = QStringLiteral("[Event \"Rapide du club\"]\n[Date \"2026.11.20\"]\n");
        text += QStringLiteral("[Round \"%1\"]\n").arg(round++);
        text += QStringLiteral("[White \"%1\"]\n[Black \"%2\"]\n")
                    .arg(QString::fromUtf8(game.white), QString::fromUtf8(game.black));
        text += QStringLiteral("[Result \"%1\"]\n").arg(QString::fromLatin1(game.result));
        if (game.whiteElo != 0) {
            text += QStringLiteral("[WhiteElo \"%1\"]\n").arg(game.whiteElo);
        }
        if (game.blackElo != 0) {
            text += QStringLiteral("[BlackElo \"%1\"]\n").arg(game.blackElo);
        }
        text +=
            QStringLiteral("\n1. e4 e5 2. Nf3 Nc6 %1\n\n").arg(QString::fromLatin1(game.result));
        if (file.write(text.toUtf8()) < 0) {
            return false;
        }
    }
    return file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    LanguageInstallation language(desktopLanguage());
    QApplication::setWindowIcon(programIcon());
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavolin-render-windows OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    PrintedBoxes boxes;
    MainWindowFiles files;
    files.settings = QDir::current().filePath(QStringLiteral("tavolin.ini"));
    files.fideList = QDir::current().filePath(QStringLiteral("liste-fide.sqlite"));

    bool saved = true;
    {
        MainWindow main(boxes, files);
        main.show();
        (void)QTest::qWaitForWindowExposed(&main);
        main.activateWindow();
        (void)QTest::qWaitForWindowActive(&main);
        // The controls by their names, as a user finds them by their captions.
        const auto edit = [&](const char* name) { return main.findChild<QLineEdit*>(name); };
        const auto button = [&](const char* name) {
            return main.findChild<QAbstractButton*>(name);
        };
        edit("ratingEdit")->setText(QStringLiteral("1500"));
        const char* games[][2] = {{"1850", "+"}, {"1700", "="}, {"2010", "-"}, {"1600", "+"}};
        for (const auto& game : games) {
            edit("opponentEdit")->setText(QString::fromLatin1(game[0]));
            edit("resultEdit")->setText(QString::fromLatin1(game[1]));
            button("addGameButton")->click();
        }
        button("fideButton")->click();
        button("calculateButton")->click();
        saved &= save(main, out, "main-window-fide.png");

        // A long period: 40 games, calculated by the normal curve.
        for (int k = 4; k < 40; ++k) {
            edit("opponentEdit")->setText(QString::number(1500 + 10 * k));
            edit("resultEdit")->setText(QString::fromLatin1(k % 3 == 0 ? "-" : "+"));
            button("addGameButton")->click();
        }
        Settings settings = main.settings();
        settings.interpolation = true;
        main.setSettings(settings);
        button("eloButton")->click();
        button("calculateButton")->click();
        saved &= save(main, out, "main-window-40-games-interpolation.png");
        button("clearGamesButton")->click();  // leave the player file as it was
    }
    {
        // The detail of the FIDE 2024 rules' worked example: 1850, K 20, four games and one
        // against an opponent below the list.
        const std::vector<GameEntry> games{{2010, 1}, {1700, 0.5}, {2300, 0}, {1400, 1}, {1300, 1}};
        CalculationInput input;
        input.system = RatingSystem::Fide2024;
        input.ratingText = "1850";
        input.coefficientText = "20";
        input.games = games;
        CalculationDetailWindow detail(calculate(input), language.decimalSeparator());
        detail.resize(640, 480);  // as wide as software centres want their pictures
        saved &= save(detail, out, "detail-window.png");
    }
    {
        // Five periods of one player under the 2024 rules, from his first rating on.
        const QString history = QDir::current().filePath(kHistoryFileName);
        QFile::remove(history);
        RatingHistory periods(history);
        const struct {
            const char* closed;
            int before;
            int after;
            std::vector<GameEntry> games;
        } closed[] = {
            {"2024-06-30T19:05:00",
             0,
             1779,
             {{1900, 1}, {1750, 0.5}, {1820, 0}, {1700, 1}, {1650, 1}}},
            {"2024-12-31T17:40:00", 1779, 1812, {{1850, 1}, {1800, 0.5}, {1900, 0.5}, {1760, 1}}},
            {"2025-06-29T21:10:00", 1812, 1798, {{1950, 0}, {1820, 0.5}, {1700, 0.5}}},
            {"2025-12-30T18:00:00", 1798, 1845, {{1900, 1}, {1880, 1}, {1790, 0.5}, {2010, 0.5}}},
            {"2026-06-28T20:30:00", 1845, 1860, {{1950, 0.5}, {1870, 1}, {1830, 0.5}}},
        };
        for (const auto& period : closed) {
            HistoryPeriod written;
            written.closedAt =
                QDateTime::fromString(QString::fromLatin1(period.closed), Qt::ISODate);
            written.slot = 1;
            written.playerName = QStringLiteral("Dupont, Jean");
            written.system = RatingSystem::Fide2024;
            written.coefficient = 40;
            if (period.before != 0) {
                written.ratingBefore = period.before;
            }
            written.newRatingText = QString::number(period.after);
            written.newRating = period.after;
            for (const GameEntry& game : period.games) {
                written.games.push_back(HistoryGame{game, {}, {}, {}, {}});
            }
            periods.add(written);
        }
        HistoryWindow window(history, 1, QStringLiteral("Dupont, Jean"), boxes);
        window.readPeriods();
        window.resize(680, 760);  // every period and every game of the last one in view
        saved &= save(window, out, "history-window.png");
        QFile::remove(history);
    }
    {
        // The games of one player in a PGN file, once the dialog has read them.
        const QString pgn = QDir::current().filePath(QStringLiteral("rapide-du-club.pgn"));
        saved &= writePgnFile(pgn);
        PgnImportDialog import(pgn, QStringLiteral("Dupont, Jean"), boxes);
        import.show();
        // The players are read first, then the games of the one chosen.
        const auto readingEnded = [&] { return !import.reading(); };
        saved &= QTest::qWaitFor(readingEnded, 10000);
        QTest::qWait(100);
        saved &= QTest::qWaitFor(readingEnded, 10000);
        saved &= save(import, out, "pgn-import-dialog.png");
        QFile::remove(pgn);
    }
    PercentageTableWindow table;
    saved &= save(table, out, "table-window.png");
    OptionsDialog options(files.settings, files.picture, boxes, [] {});
    saved &= save(options, out, "options-window.png");
    AboutBox about;
    saved &= save(about, out, "about-box.png");
    return saved ? 0 : 1;
}
