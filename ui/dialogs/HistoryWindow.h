// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "HistoryPeriod.h"

class QPushButton;

namespace tavolin {

class MessageBoxes;
struct HistoryWindowControls;

// "Historique": one player's closed periods, his rating after each as a curve and as a
// table (date, system, games, score, before → after, change). A period can be deleted after
// a question, and the table saved as CSV for a spreadsheet.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(QString historyPath, int slot, const QString& playerName, MessageBoxes& boxes,
                  QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Reads the player's periods and shows them; raises FileError when the history cannot
    // be read.
    void readPeriods();
    const std::vector<HistoryPeriod>& periods() const { return periods_; }

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
    void showPeriods();
    void showReopenable();
    void showSelectedGames();
    void connectButton(QPushButton* button, void (HistoryWindow::*action)());

    const std::unique_ptr<HistoryWindowControls> ui_;
    MessageBoxes& boxes_;
    QString historyPath_;
    int slot_;
    QString playerName_;
    std::vector<HistoryPeriod> periods_;
    std::function<CsvChoice(const QString&)> csvFileChooser_;
    std::function<QString()> reopener_;
};

}  // namespace tavolin
