// SPDX-License-Identifier: GPL-3.0-or-later
// The rating system, "CALCUL" and the progress text of the normal-curve scan.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include "Calculation.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "RightAlignedLabel.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr QPoint kProgressPosition{520, 368};

}  // namespace

// --- Rating system ------------------------------------------------------------------------

QRadioButton* MainWindow::systemButton(RatingSystem system) const {
    for (const auto& controls : ui_->systemControls()) {
        if (controls.system == system) {
            return controls.button;
        }
    }
    return ui_->eloButton;
}

void MainWindow::chooseSystem(RatingSystem system) {
    savePlayer();
    session_.setSystem(system);
    systemButton(system)->setChecked(true);

    const MainWindowControls& ui = *ui_;
    const ResultCaptions captions = resultCaptions(system);
    ui.coefficientBox->setVisible(captions.coefficientShown);
    ui.coefficientCaption->setVisible(captions.coefficientShown);
    if (captions.coefficientShown) {
        showCoefficientChoices(system);
    }
    applyHelp();
    ui.newRatingCaption->setCaption(fromUtf8(captions.newRating));
    ui.scoreCaption->setCaption(fromUtf8(captions.score));
    ui.performanceCaption->setVisible(captions.performanceShown);
    if (captions.performanceShown) {
        ui.performanceCaption->setCaption(fromUtf8(captions.performance));
    }

    clearResults();
    saveTimer_->start();  // the system chosen, as anything typed
    if (settings_.autoCalculate) {
        calculateAutomatically();
    }
}

// The old FIDE rules know the coefficients 10, 15 and 25; the 2024 ones the K factors 40,
// 20 and 10. The box offers the system's own and shows the one in force.
void MainWindow::showCoefficientChoices(RatingSystem system) {
    QComboBox* box = ui_->coefficientBox;
    const bool current = system == RatingSystem::Fide2024;
    const QStringList choices =
        current ? QStringList{QStringLiteral("40"), QStringLiteral("20"), QStringLiteral("10")}
                : QStringList{QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("25")};
    const int inForce = current ? session_.fide2024Coefficient() : session_.fideCoefficient();
    if (box->count() != choices.size() || box->itemText(0) != choices.front()) {
        box->clear();
        box->addItems(choices);
    }
    box->setCurrentText(QString::number(inForce));
}

RatingSystem MainWindow::checkedSystem() const {
    for (const auto& controls : ui_->systemControls()) {
        if (controls.button->isChecked()) {
            return controls.system;
        }
    }
    return RatingSystem::Perf;
}

// --- "CALCUL" -----------------------------------------------------------------------------

void MainWindow::calculate() {
    runCalculation(true);
}

// The "autocalcul" switch's calculation never speaks and never empties a field: when it
// cannot work the figures out (a rating being typed, no game), it leaves them empty.
void MainWindow::calculateAutomatically() {
    runCalculation(false);
}

void MainWindow::runCalculation(bool pressed) {
    const MainWindowControls& ui = *ui_;
    const std::string rating = session_.ratingText().toStdString();
    const std::string coefficient = session_.coefficientText().toStdString();
    const std::string separator = QLocale().decimalPoint().toStdString();

    CalculationInput input;
    input.ratingText = rating;
    input.games = session_.games().games();
    input.young = session_.young();
    input.coefficientText = coefficient;
    input.fideCoefficient = session_.fideCoefficient();
    input.fide2024Coefficient = session_.fide2024Coefficient();
    input.system = checkedSystem();
    input.interpolation = settings_.interpolation;
    input.roundToTens = settings_.roundToTens;
    input.decimalSeparator = separator;
    input.progress = [this](int percent) { showProgress(percent); };
    lastProgressPercent_ = -1;

    const CalculationResult result = tavolin::calculate(input);
    clearProgress();
    session_.setFideCoefficient(result.fideCoefficient);
    session_.setFide2024Coefficient(result.fide2024Coefficient);
    if (!result.message.empty()) {
        if (!pressed) {
            clearResults();
            return;
        }
        warn(result.message);
        if (result.clearRating) {
            ui.ratingEdit->clear();
        }
        return;
    }
    const auto resultControls = ui.resultControls();
    for (const LabelText& written : result.labels) {
        for (const auto& control : resultControls) {
            if (control.result == written.label) {
                setResult(control.value, QString::fromStdString(written.text));
            }
        }
    }
    lastCalculation_ = result;
    QStringList notes;
    for (const std::string& note : result.notes) {
        notes.append(fromUtf8(note));
    }
    setResult(ui.notesValue, notes.join(QLatin1Char('\n')));
    ui.notesValue->setToolTip(ui.notesValue->text());  // whole, should two lines not hold it
    showResultsCurrent(true);
    if (pressed && !result.notice.empty()) {
        warn(result.notice);
    }
}

// Figures that no longer match what is on screen are dimmed until the next calculation.
void MainWindow::showResultsCurrent(bool current) {
    resultsCurrent_ = current;
    const MainWindowControls& ui = *ui_;
    for (QLabel* label : ui.resultLabels()) {
        label->setEnabled(current);
    }
    // The detail and the closing speak of figures that match the games, or of none.
    const bool matching = current && lastCalculation_.has_value();
    // Whatever the help switch says: a shortcut, or why the button waits.
    const QString pressCalculateTip =
        tr("Cliquez d'abord sur CALCUL : aucun résultat ne correspond aux parties.");
    ui.detailButton->setEnabled(matching);
    ui.detailButton->setToolTip(matching ? tr("Détail du calcul (Ctrl+D)") : pressCalculateTip);
    const bool closable = matching && !ui.newRatingValue->text().isEmpty();
    ui.closePeriodButton->setEnabled(closable);
    ui.closePeriodButton->setToolTip(closable ? tr("Clore la période (Ctrl+K)")
                                              : pressCalculateTip);
}

QStringList MainWindow::resultTexts() const {
    QStringList texts;
    for (const QLabel* label : ui_->resultLabels()) {
        texts.append(label->text());
    }
    return texts;
}

void MainWindow::showResults(const QStringList& texts) {
    const auto labels = ui_->resultLabels();
    for (std::size_t k = 0; k < labels.size() && k < static_cast<std::size_t>(texts.size()); ++k) {
        setResult(labels[k], texts[static_cast<qsizetype>(k)]);
    }
    showResultsCurrent(true);
}

void MainWindow::setResult(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
    // A screen reader says the figure with what it is, "NOUVEL ELO : 1736", and tells it
    // when it changes.
    if (const QLabel* caption = ui_->captionOf(label)) {
        label->setAccessibleName(
            text.isEmpty() ? QString() : caption->text().trimmed() + QLatin1Char(' ') + text);
    }
}

void MainWindow::clearResults() {
    for (QLabel* label : ui_->resultLabels()) {
        setResult(label, QString());
    }
    lastCalculation_.reset();
    showResultsCurrent(true);
}

// --- Progress text of the normal-curve scan -----------------------------------------------

QRect MainWindow::progressArea() const {
    const QFontMetrics metrics(font());
    return QRect(kProgressPosition,
                 QSize(metrics.horizontalAdvance(QStringLiteral("100%")) + 2, metrics.height()));
}

// Left beside the new rating, "50%" would read as part of it.
void MainWindow::clearProgress() {
    if (!progressText_.isEmpty()) {
        progressText_.clear();
        canvas_->repaint(progressArea());
    }
}

void MainWindow::showProgress(int percent) {
    if (percent == lastProgressPercent_) {
        return;  // the text would not change
    }
    lastProgressPercent_ = percent;
    progressText_ = QString::number(percent) + QLatin1Char('%');
    // Painted at once: the scan keeps the event loop waiting until it ends.
    paintingProgress_ = true;
    canvas_->repaint(progressArea());
    paintingProgress_ = false;
}

}  // namespace tavolin
