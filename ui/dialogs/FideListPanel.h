// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

namespace tavolin {

class MessageBoxes;

// The Options window's part on FIDE's rating list: the list in use (its month, its number
// of players, where it lives), and "Télécharger", "Importer un fichier…" and "Supprimer".
class FideListPanel : public QGroupBox {
    Q_OBJECT
public:
    // How the panel's actions reach what lies outside it; tests give their own.
    struct Actions {
        // "Télécharger": downloads and imports the list; true when the list changed.
        std::function<bool()> download;
        // "Importer un fichier…": the file chosen, empty for none.
        std::function<QString()> chooseFile;
        // Imports a file into the list; true when the list changed.
        std::function<bool(const QString& file)> importFile;
        // Told after every change of the list.
        std::function<void()> listChanged;
    };

    FideListPanel(QString listPath, MessageBoxes& boxes, Actions actions,
                  QWidget* parent = nullptr);

    // Reads the list's summary again and shows it.
    void refresh();
    void download();    // "Télécharger"
    void importFile();  // "Importer un fichier…"
    void remove();      // "Supprimer"

    // What the panel says of the list in use.
    QString description() const;

private:
    void changed();

    QString listPath_;
    MessageBoxes& boxes_;
    Actions actions_;
    QLabel* descriptionLabel_;
    QPushButton* downloadButton_;
    QPushButton* importButton_;
    QPushButton* removeButton_;
};

}  // namespace tavolin
