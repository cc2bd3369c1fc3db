// The rating system, "CALCUL" and the progress text of the normal-curve scan.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "Calculation.h"
#include "RightAlignedLabel.h"
#include "TForm1.h"
#include "TForm1Controls.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr QPoint kProgressPosition{520, 368};

}  // namespace

// --- Rating system ------------------------------------------------------------------------

void TForm1::RadioButton1Click() {
    selectSystem(RatingSystem::Elo, ui_->RadioButton1);
}

void TForm1::RadioButton2Click() {
    selectSystem(RatingSystem::Injes, ui_->RadioButton2);
}

void TForm1::RadioButton3Click() {
    selectSystem(RatingSystem::Fide, ui_->RadioButton3);
}

void TForm1::RadioButton4Click() {
    selectSystem(RatingSystem::Perf, ui_->RadioButton4);
}

void TForm1::RadioButton5Click() {
    selectSystem(RatingSystem::Fide2024, ui_->RadioButton5);
}

void TForm1::selectSystem(RatingSystem system, QRadioButton* button) {
    Button5Click();
    session_.setSystem(system);
    button->setChecked(true);

    const TForm1Controls& ui = *ui_;
    const ResultCaptions captions = resultCaptions(system);
    ui.ComboBox1->setVisible(captions.coefficientShown);
    ui.Label11->setVisible(captions.coefficientShown);
    if (captions.coefficientShown) {
        showCoefficientChoices(system);
    }
    applyHelp();
    ui.Label9->setCaption(fromUtf8(captions.nvelo));
    ui.Label6->setCaption(fromUtf8(captions.gain));
    ui.Label7->setVisible(captions.performanceShown);
    if (captions.performanceShown) {
        ui.Label7->setCaption(fromUtf8(captions.performance));
    }

    clearResults();
    if (settings_.autocalcul) {
        Button2Click();
    }
}

// The old FIDE rules know the coefficients 10, 15 and 25; the 2024 ones the K factors 40,
// 20 and 10. The box offers the system's own and shows the one in force.
void TForm1::showCoefficientChoices(RatingSystem system) {
    QComboBox* box = ui_->ComboBox1;
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

RatingSystem TForm1::checkedSystem() const {
    const TForm1Controls& ui = *ui_;
    if (ui.RadioButton1->isChecked()) {
        return RatingSystem::Elo;
    }
    if (ui.RadioButton2->isChecked()) {
        return RatingSystem::Injes;
    }
    if (ui.RadioButton3->isChecked()) {
        return RatingSystem::Fide;
    }
    if (ui.RadioButton5->isChecked()) {
        return RatingSystem::Fide2024;
    }
    return RatingSystem::Perf;
}

// --- "CALCUL" -----------------------------------------------------------------------------

void TForm1::Button2Click() {
    const TForm1Controls& ui = *ui_;
    const std::string rating = session_.ratingText().toStdString();
    const std::string coefficient = session_.coefficientText().toStdString();
    const std::string separator = QLocale::system().decimalPoint().toStdString();

    CalculationInput input;
    input.ratingText = rating;
    input.games = session_.games().games();
    input.young = session_.young();
    input.coefficientText = coefficient;
    input.fideCoefficient = session_.fideCoefficient();
    input.fide2024Coefficient = session_.fide2024Coefficient();
    input.system = checkedSystem();
    input.interpolation = settings_.interpolation;
    input.arrondi = settings_.arrondi;
    input.decimalSeparator = separator;
    input.progress = [this](int percent) { showProgress(percent); };
    lastProgressPercent_ = -1;

    const CalculationResult result = calculate(input);
    clearProgress();
    session_.setFideCoefficient(result.fideCoefficient);
    session_.setFide2024Coefficient(result.fide2024Coefficient);
    if (!result.message.empty()) {
        warn(result.message);
        if (result.clearRating) {
            ui.eloactuel->clear();
        }
        return;
    }
    for (const LabelText& written : result.labels) {
        const QString text = QString::fromStdString(written.text);
        switch (written.label) {
            case ResultLabel::moy:
                setResult(ui.moy, text);
                break;
            case ResultLabel::gain:
                setResult(ui.gain, text);
                break;
            case ResultLabel::performance:
                setResult(ui.performance, text);
                break;
            case ResultLabel::nvelo:
                setResult(ui.nvelo, text);
                break;
        }
    }
    if (!result.notice.empty()) {
        warn(result.notice);
    }
}

void TForm1::setResult(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void TForm1::clearResults() {
    const TForm1Controls& ui = *ui_;
    for (QLabel* label : {ui.moy, ui.gain, ui.performance, ui.nvelo}) {
        setResult(label, QString());
    }
}

// --- Progress text of the normal-curve scan -----------------------------------------------

QRect TForm1::progressArea() const {
    const QFontMetrics metrics(font());
    return QRect(kProgressPosition,
                 QSize(metrics.horizontalAdvance(QStringLiteral("100%")) + 2, metrics.height()));
}

// Left beside the new rating, "50%" would read as part of it.
void TForm1::clearProgress() {
    if (!progressText_.isEmpty()) {
        progressText_.clear();
        repaint(progressArea());
    }
}

void TForm1::showProgress(int percent) {
    if (percent == lastProgressPercent_) {
        return;  // the text would not change
    }
    lastProgressPercent_ = percent;
    progressText_ = QString::number(percent) + QLatin1Char('%');
    // Painted at once: the scan keeps the event loop waiting until it ends.
    paintingProgress_ = true;
    repaint(progressArea());
    paintingProgress_ = false;
}

}  // namespace tavolin
