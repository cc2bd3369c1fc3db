// SPDX-License-Identifier: GPL-3.0-or-later
// A history of years: 10, 1,000 and 100,000 closed periods of one player, four games each
// with what an import gives them, made once per run in /tmp. Each case runs in a process of
// its own, so that its peak memory (the child's maximum resident set) is its own:
//   calc     tavolin-calc --history FILE, from its start to its end;
//   window   the history window offscreen: until it is shown (its own clock, from its
//            making), until its table and curve are filled, and the deletion of a period in
//            the middle until painted again, on a copy of the file;
//   whole    the history read whole with its games (RatingHistory::periods);
//   listed   the summaries the list shows (HistoryListing), where this version has them.
// Run the optimised build: build/release/bench/tavolin_history_bench.
// Side by side with another version, in the same run: TAVOLIN_CALC_BEFORE=its tavolin-calc,
// and TAVOLIN_HISTORY_BENCH_BEFORE=this file built against its libraries (it uses only what
// both versions have), whose cases then run just before this build's.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "HistoryWindow.h"
#include "MessageBoxes.h"
#include "RatingHistory.h"
#if __has_include("HistoryListing.h")
#include "HistoryListing.h"
#endif

extern char** environ;

namespace {

using namespace tavolin;

const QString kPlayer = QStringLiteral("Dupont, Jean-Baptiste");

std::string historyPath(int periods) {
    return "/tmp/tavolin-bench-history-" + std::to_string(periods) + ".sqlite";
}

// Periods closed one after the other over 36 years, ratings wandering around 1800, each with
// four games of an open tournament; the first written by the program, which makes the
// tables, the others in one transaction of their own.
void makeHistory(int periods) {
    const QString path = QString::fromStdString(historyPath(periods));
    QFile::remove(path);
    const QDateTime first(QDate(1990, 1, 1), QTime(18, 30));
    const qint64 spanSeconds = qint64{36} * 365 * 24 * 3600;
    const qint64 stepSeconds = std::max<qint64>(60, spanSeconds / periods);
    HistoryPeriod period;
    period.slot = 1;
    period.playerName = kPlayer;
    period.system = RatingSystem::Fide2024;
    period.coefficient = 20;
    period.average = QStringLiteral("1815");
    period.score = QStringLiteral("2,5/4");
    period.performance = QStringLiteral("1873");
    const auto periodNumber = [&](int k) {
        period.closedAt = first.addSecs(stepSeconds * k);
        period.ratingBefore = 1800 + (k * 37) % 91 - 45;
        period.newRating = *period.ratingBefore + (k * 13) % 21 - 10;
        period.newRatingText = QString::number(period.newRating);
        period.games.clear();
        for (int game = 0; game < 4; ++game) {
            period.games.push_back(
                HistoryGame{{1700.0 + (k * 7 + game * 31) % 300, (k + game) % 3 * 0.5},
                            QStringLiteral("Martin-Lefèvre, Paul-Henri %1").arg(k % 97),
                            first.addSecs(stepSeconds * k).toString("yyyy.MM.dd"),
                            QStringLiteral("Open international de Saint-Brieuc %1").arg(k % 11),
                            QString::number(game + 1)});
        }
    };
    periodNumber(0);
    RatingHistory(path).add(period);

    const QString connection = QStringLiteral("tavolin-bench-writer");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(path);
        if (!database.open()) {
            throw std::runtime_error("cannot open " + path.toStdString());
        }
        QSqlQuery(database).exec(QStringLiteral("BEGIN"));
        QSqlQuery insertPeriod(database);
        insertPeriod.prepare(QStringLiteral(
            "INSERT INTO period (id, closed_at, slot, player_name, system, coefficient, young,"
            " rating_before, average, score, performance, new_rating_text, new_rating)"
            " VALUES (?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery insertGame(database);
        insertGame.prepare(
            QStringLiteral("INSERT INTO game (period_id, number, opponent_rating, score,"
                           " opponent_name, date, event, round) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int k = 1; k < periods; ++k) {
            periodNumber(k);
            for (const QVariant& value :
                 {QVariant(k + 1), QVariant(period.closedAt.toString("yyyy-MM-ddTHH:mm:ss")),
                  QVariant(period.slot), QVariant(period.playerName),
                  QVariant(static_cast<int>(period.system)), QVariant(*period.coefficient),
                  QVariant(*period.ratingBefore), QVariant(period.average), QVariant(period.score),
                  QVariant(period.performance), QVariant(period.newRatingText),
                  QVariant(period.newRating)}) {
                insertPeriod.addBindValue(value);
            }
            if (!insertPeriod.exec()) {
                throw std::runtime_error("cannot write a period");
            }
            int number = 0;
            for (const HistoryGame& game : period.games) {
                for (const QVariant& value :
                     {QVariant(k + 1), QVariant(++number), QVariant(game.entry.opponentRating),
                      QVariant(game.entry.score), QVariant(game.opponentName), QVariant(game.date),
                      QVariant(game.event), QVariant(game.round)}) {
                    insertGame.addBindValue(value);
                }
                if (!insertGame.exec()) {
                    throw std::runtime_error("cannot write a game");
                }
            }
        }
        QSqlQuery(database).exec(QStringLiteral("COMMIT"));
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// ---- What runs in the child processes.

class AnsweringYes : public MessageBoxes {
public:
    void warning(QWidget*, const QString& text) override { told(text); }
    void error(QWidget*, const QString& text) override { told(text); }
    bool question(QWidget*, const QString&) override { return true; }
    std::optional<QDate> questionWithDate(QWidget*, const QString&, const QDate& latest) override {
        return latest;
    }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return std::nullopt;
    }

private:
    static void told(const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::exit(1);
    }
};

double millisecondsOf(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Prints: shown, filled, deleted, in milliseconds.
int probeWindow(int argc, char* argv[], const QString& history) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QString copy = QStringLiteral("/tmp/tavolin-bench-window-%1.sqlite").arg(getpid());
    QFile::remove(copy);
    QFile::copy(history, copy);
    AnsweringYes boxes;
    QElapsedTimer clock;
    clock.start();
    {
        HistoryWindow window(copy, 1, kPlayer, boxes);
        window.readPeriods();
        window.show();
        while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
            QCoreApplication::processEvents();
        }
        window.repaint();
        const double shown = millisecondsOf(clock);
        // The line on the periods is written once they are all read, and a period can be
        // deleted once they are all listed.
        const auto* summary = window.findChild<QLabel*>(QStringLiteral("summaryLabel"));
        const auto* deleteButton = window.findChild<QPushButton*>(QStringLiteral("deleteButton"));
        while (summary->text().isEmpty() || !deleteButton->isEnabled()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        window.repaint();
        const double filled = millisecondsOf(clock);
        auto* table = window.findChild<QTableWidget*>(QStringLiteral("periodTable"));
        table->selectRow(table->rowCount() / 2);
        QCoreApplication::processEvents();
        clock.restart();
        window.deleteSelectedPeriod();
        QCoreApplication::processEvents();
        window.repaint();
        const double deleted = millisecondsOf(clock);
        std::printf("%.3f %.3f %.3f\n", shown, filled, deleted);
    }
    QFile::remove(copy);
    return 0;
}

// Prints: the read's milliseconds, or "-" when this version cannot do it.
int probeRead(const std::string& mode, const QString& history) {
    QElapsedTimer clock;
    clock.start();
    std::size_t count = 0;
    if (mode == "whole") {
        count = RatingHistory(history).periods(1).size();
    } else {
#if __has_include("HistoryListing.h")
        HistoryListing listing(history, 1);
        while (!listing.atEnd()) {
            count += listing.next(4096).size();
        }
#else
        std::printf("-\n");
        return 0;
#endif
    }
    std::printf("%.3f\n", millisecondsOf(clock));
    return count > 0 ? 0 : 1;
}

// ---- What the benchmark does: start a child, wait for it, read what it printed.

struct ChildRun {
    double wallMs = 0;
    long peakKilobytes = 0;
    std::string printed;
};

// Starts a child, its output read (or thrown away when `printed` is false), and waits for it.
// Forked rather than spawned: a spawned child shares this process's memory until its program
// starts, and its peak would count all of it; a forked one only the pages it copied.
ChildRun runChild(std::vector<std::string> words, bool printed = true) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("no pipe");
    }
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        const int output = printed ? pipeEnds[1] : open("/dev/null", O_WRONLY);
        dup2(output, 1);
        close(pipeEnds[0]);
        execve(argv[0], argv.data(), environ);
        _exit(127);
    }
    close(pipeEnds[1]);
    ChildRun run;
    char buffer[65536];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        run.printed.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("did not run: " + words.front());
    }
    run.wallMs = millisecondsOf(clock);
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

std::string thisProgram() {
    std::vector<char> path(4096);
    const ssize_t size = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return size > 0 ? std::string(path.data(), static_cast<std::size_t>(size)) : std::string();
}

void reportMemory(benchmark::State& state, const ChildRun& run) {
    state.counters["peak_MB"] = static_cast<double>(run.peakKilobytes) / 1024.0;
}

void registerCases(const std::string& prefix, const std::string& calc, const std::string& bench,
                   int periods) {
    const std::string file = historyPath(periods);
    const std::string size = "/" + std::to_string(periods);
    const auto add = [](const std::string& name, auto&& body) {
        benchmark::RegisterBenchmark(name.c_str(), body)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(5)
            ->ComputeStatistics("best",
                                [](const std::vector<double>& values) {
                                    return *std::min_element(values.begin(), values.end());
                                })
            ->ReportAggregatesOnly(true);
    };
    if (!calc.empty()) {
        add(prefix + "calc" + size, [calc, file](benchmark::State& state) {
            for (auto _ : state) {
                const ChildRun run = runChild({calc, "--history", file}, false);
                state.SetIterationTime(run.wallMs / 1000);
                reportMemory(state, run);
            }
        });
    }
    if (bench.empty()) {
        return;
    }
    add(prefix + "window" + size, [bench, file](benchmark::State& state) {
        for (auto _ : state) {
            const ChildRun run = runChild({bench, "--probe", "window", file});
            double shown = 0;
            double filled = 0;
            double deleted = 0;
            std::sscanf(run.printed.c_str(), "%lf %lf %lf", &shown, &filled, &deleted);
            state.SetIterationTime(shown / 1000);
            state.counters["filled_ms"] = filled;
            state.counters["delete_ms"] = deleted;
            reportMemory(state, run);
        }
    });
    // Another version may have no list of its own: its whole reading is what it listed.
    const std::vector<const char*> reads =
        prefix.empty() ? std::vector{"whole", "listed"} : std::vector{"whole"};
    for (const char* mode : reads) {
        add(prefix + mode + size, [bench, file, mode](benchmark::State& state) {
            for (auto _ : state) {
                const ChildRun run = runChild({bench, "--probe", mode, file});
                if (run.printed.empty() || run.printed.front() == '-') {
                    state.SkipWithError("not in this version");
                    break;
                }
                state.SetIterationTime(std::atof(run.printed.c_str()) / 1000);
                reportMemory(state, run);
            }
        });
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::strcmp(argv[1], "--probe") == 0) {
        const std::string mode = argv[2];
        const QString history = QString::fromLocal8Bit(argv[3]);
        return mode == "window" ? probeWindow(1, argv, history) : probeRead(mode, history);
    }
    if (argc == 3 && std::strcmp(argv[1], "--make") == 0) {
        makeHistory(std::atoi(argv[2]));
        return 0;
    }
    const char* calcBefore = std::getenv("TAVOLIN_CALC_BEFORE");
    const char* benchBefore = std::getenv("TAVOLIN_HISTORY_BENCH_BEFORE");
    for (const int periods : {10, 1000, 100000}) {
        // Made by a child: this process stays small, and so do the pages its children copy.
        runChild({thisProgram(), "--make", std::to_string(periods)});
        if (calcBefore != nullptr || benchBefore != nullptr) {
            registerCases("before/", calcBefore != nullptr ? calcBefore : "",
                          benchBefore != nullptr ? benchBefore : "", periods);
        }
        registerCases("", TAVOLIN_CALC_PATH, thisProgram(), periods);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
