// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "Calculation.h"
#include "Controls.h"
#include "RatingSystem.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace tavolin {

class ClickableLabel;
class RightAlignedLabel;

// Every control of the main window, in the order they are placed on it.
#define TAVOLIN_MAIN_WINDOW_CONTROLS(X)      \
    X(ClickableLabel, titleLabel)            \
    X(QLabel, playerNamesCaption)            \
    X(QTableWidget, playerGrid)              \
    X(QLabel, systemsCaption)                \
    X(QRadioButton, eloButton)               \
    X(QRadioButton, injesButton)             \
    X(QRadioButton, fideButton)              \
    X(QRadioButton, perfButton)              \
    X(QRadioButton, fide2024Button)          \
    X(QLabel, eloCaption)                    \
    X(QLabel, injesCaption)                  \
    X(QLabel, fideCaption)                   \
    X(QLabel, perfCaption)                   \
    X(QLabel, fide2024Caption)               \
    X(QGroupBox, systemsGroup)               \
    X(QLabel, ratingCaption)                 \
    X(QLineEdit, ratingEdit)                 \
    X(QCheckBox, youngBox)                   \
    X(QLabel, youngCaption)                  \
    X(QLabel, coefficientCaption)            \
    X(QComboBox, coefficientBox)             \
    X(QLabel, gamesCaption)                  \
    X(QFrame, gameEntryFrame)                \
    X(QLabel, opponentCaption)               \
    X(QLineEdit, opponentEdit)               \
    X(QLabel, resultCaption)                 \
    X(QLineEdit, resultEdit)                 \
    X(QPushButton, addGameButton)            \
    X(QPushButton, calculateButton)          \
    X(RightAlignedLabel, averageCaption)     \
    X(QLabel, averageValue)                  \
    X(RightAlignedLabel, scoreCaption)       \
    X(QLabel, scoreValue)                    \
    X(RightAlignedLabel, performanceCaption) \
    X(QLabel, performanceValue)              \
    X(RightAlignedLabel, newRatingCaption)   \
    X(QLabel, newRatingValue)                \
    X(QLabel, notesValue)                    \
    X(QLabel, gameCountCaption)              \
    X(QLabel, gameCountValue)                \
    X(QPlainTextEdit, gameList)              \
    X(QPushButton, aboutButton)              \
    X(QPushButton, tableButton)              \
    X(QPushButton, quitButton)               \
    X(QPushButton, optionsButton)            \
    X(QPushButton, detailButton)             \
    X(QPushButton, historyButton)            \
    X(QPushButton, closePeriodButton)        \
    X(QPushButton, clearGamesButton)         \
    X(QPushButton, deleteGameButton)         \
    X(QLineEdit, deleteNumberEdit)

// The main window's controls, made and placed by setupUi as a generated UI class would be;
// the window holds them privately.
struct MainWindowControls {
    TAVOLIN_CONTROLS(TAVOLIN_MAIN_WINDOW_CONTROLS)

    // Creates the controls on `window` with their texts, places, fonts, tab order, the
    // tooltips that show whatever the "aide" switch says, and the desktop's habits: Enter
    // presses a focused button, a caption acts on its control.
    void setupUi(QWidget* window);

    // Each rating system's radio button and the caption beside it, in the buttons' order.
    struct SystemControls {
        RatingSystem system;
        QRadioButton* button;
        QLabel* caption;
    };
    std::array<SystemControls, 5> systemControls() const;
    // The label that shows each result of a calculation.
    struct ResultControl {
        ResultLabel result;
        QLabel* value;
    };
    std::array<ResultControl, 4> resultControls() const;
    // The labels under CALCUL: the four results and the notes under them.
    std::array<QLabel*, 5> resultLabels() const {
        return {averageValue, scoreValue, performanceValue, newRatingValue, notesValue};
    }
    // The caption that says what a result label shows; none for the notes.
    const QLabel* captionOf(const QLabel* value) const;

private:
    void createControls(QWidget* window);
    void setTabOrder();
    void setFixedTips();
    void nameForScreenReaders();
};

}  // namespace tavolin
