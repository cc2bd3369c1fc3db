// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "PeriodSummary.h"
#include "RatingHistory.h"

class QPushButton;
class QTimer;

namespace tavolin {

class HistoryListing;
class MessageBoxes;
struct HistoryWindowControls;

// "Historique": one player's closed periods, his rating after each as a curve and as a
// table (date, system, games, score, before → after, change), the games of the one selected
// under it. A period can be deleted after a question, and the table saved as CSV for a
// spreadsheet.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(QString historyPath, int slot, const QString& playerName, MessageBoxes& boxes,
                  QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Reads the player's periods and shows them; raises FileError when the history cannot
    // be read. A long history is read and listed a step at a time from the event loop, the
    // window answering meanwhile; its curve and table appear once it is read whole, never in
    // part. A failure then is told in the error box, and closes the window.
    void readPeriods();
    const std::vector<PeriodSummary>& periods() const { return periods_; }
    // True until every period is read and listed; the buttons that act on them wait.
    bool isReading() const;
    // The periods read, and rows listed, at each step (2,000 by default).
    void setReadingStep(std::size_t periods) { readingStep_ = periods; }
    void done(int result) override;  // stops a reading under way

    void reopenLatestPeriod();    // "Rouvrir la période"
    void deleteSelectedPeriod();  // "Supprimer la période"
    // What reopens the player's latest period (the main window's games and rating): the
    // reason it refuses, empty when it has done it. Without one, nothing is reopened.
    void setReopener(std::function<QString()> reopener) { reopener_ = std::move(reopener); }
    void exportCsv();  // "Exporter en CSV…"
    // How the CSV file is chosen, from a suggested name (a save dialog by default, whose
    // choice of file type asks for the periods or their games); an empty path saves nothing.
    struct CsvChoice {
        QString path;
        bool gameByGame = false;
    };
    void setCsvFileChooser(std::function<CsvChoice(const QString& suggested)> chooser) {
        csvFileChooser_ = std::move(chooser);
    }

private:
    void takeReadingStep();
    void continueReading();
    void stopReading();
    void listRows(std::size_t count);
    void showSummary();
    void showLatest();
    void showButtons();
    void showReopenable();
    void showSelectedGames();
    void connectButton(QPushButton* button, void (HistoryWindow::*action)());

    const std::unique_ptr<HistoryWindowControls> ui_;
    MessageBoxes& boxes_;
    QString historyPath_;
    int slot_;
    QString playerName_;
    RatingHistory history_;  // the games shown, the deletions, the games' CSV
    std::vector<PeriodSummary> periods_;
    std::unique_ptr<HistoryListing> listing_;  // while the periods are read
    std::size_t listedRows_ = 0;
    std::size_t readingStep_ = 2000;
    QTimer* readingTimer_;
    std::function<CsvChoice(const QString&)> csvFileChooser_;
    std::function<QString()> reopener_;
};

}  // namespace tavolin
