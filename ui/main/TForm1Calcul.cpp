// The rating system, "CALCUL" and the progress text of the normal-curve scan.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "RightAlignedLabel.h"
#include "TForm1.h"
#include "Utf8.h"

namespace tavolin {

namespace {

constexpr QPoint kProgressPosition{520, 368};

}  // namespace

// --- Rating system ------------------------------------------------------------------------

void TForm1::RadioButton1Click() {
    selectSystem(RatingSystem::Elo, RadioButton1);
}

void TForm1::RadioButton2Click() {
    selectSystem(RatingSystem::Injes, RadioButton2);
}

void TForm1::RadioButton3Click() {
    selectSystem(RatingSystem::Fide, RadioButton3);
}

void TForm1::RadioButton4Click() {
    selectSystem(RatingSystem::Perf, RadioButton4);
}

void TForm1::selectSystem(RatingSystem system, QRadioButton* button) {
    Button5Click();
    mode_ = static_cast<std::int32_t>(system);
    button->setChecked(true);

    const ResultCaptions captions = resultCaptions(system);
    ComboBox1->setVisible(captions.coefficientShown);
    Label11->setVisible(captions.coefficientShown);
    if (captions.coefficientShown &&
        (FideCoefficient_ == 10 || FideCoefficient_ == 15 || FideCoefficient_ == 25)) {
        ComboBox1->setCurrentText(QString::number(FideCoefficient_));
    }
    Label9->setCaption(fromUtf8(captions.nvelo));
    Label6->setCaption(fromUtf8(captions.gain));
    Label7->setVisible(captions.performanceShown);
    if (captions.performanceShown) {
        Label7->setCaption(fromUtf8(captions.performance));
    }

    clearResults();
    if (settings_.autocalcul) {
        Button2Click();
    }
}

RatingSystem TForm1::checkedSystem() const {
    if (RadioButton1->isChecked()) {
        return RatingSystem::Elo;
    }
    if (RadioButton2->isChecked()) {
        return RatingSystem::Injes;
    }
    if (RadioButton3->isChecked()) {
        return RatingSystem::Fide;
    }
    return RatingSystem::Perf;
}

// --- "CALCUL" -----------------------------------------------------------------------------

void TForm1::Button2Click() {
    const std::string rating = eloactuel->text().toStdString();
    const std::string coefficient = ComboBox1->currentText().toStdString();
    const std::string separator = QLocale::system().decimalPoint().toStdString();

    CalculationInput input;
    input.ratingText = rating;
    input.games = gameList_.games();
    input.young = CheckBox1->isChecked();
    input.coefficientText = coefficient;
    input.fideCoefficient = FideCoefficient_;
    input.system = checkedSystem();
    input.interpolation = settings_.interpolation;
    input.arrondi = settings_.arrondi;
    input.decimalSeparator = separator;
    input.progress = [this](int percent) { showProgress(percent); };
    lastProgressPercent_ = -1;

    const CalculationResult result = calculate(input);
    FideCoefficient_ = result.fideCoefficient;
    if (!result.message.empty()) {
        warn(result.message);
        if (result.clearRating) {
            eloactuel->clear();
        }
        return;
    }
    for (const LabelText& written : result.labels) {
        const QString text = QString::fromStdString(written.text);
        switch (written.label) {
            case ResultLabel::moy:
                setResult(moy, text);
                break;
            case ResultLabel::gain:
                setResult(gain, text);
                break;
            case ResultLabel::performance:
                setResult(performance, text);
                break;
            case ResultLabel::nvelo:
                setResult(nvelo, text);
                break;
        }
    }
}

void TForm1::setResult(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

void TForm1::clearResults() {
    for (QLabel* label : {moy, gain, performance, nvelo}) {
        setResult(label, QString());
    }
}

// --- Progress text of the normal-curve scan -----------------------------------------------

QRect TForm1::progressArea() const {
    const QFontMetrics metrics(font());
    return QRect(kProgressPosition,
                 QSize(metrics.horizontalAdvance(QStringLiteral("100%")) + 2, metrics.height()));
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
