// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the windows, and the texts' contrast on a dark theme.
#include <QAccessible>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "AboutBox.h"
#include "CalculationDetailWindow.h"
#include "FideListDownloadDialog.h"
#include "HistoryPeriods.h"
#include "HistoryWindow.h"
#include "HistoryWindowControls.h"
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "ModalHelper.h"
#include "OptionsDialog.h"
#include "PercentageTableWindow.h"
#include "PgnImportDialog.h"
#include "RatingHistory.h"
#include "ReadableColour.h"
#include "TrfImportDialog.h"

namespace tavolin::testing {
namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// Every control of `window` the keyboard reaches has a name a screen reader says.
void expectEveryControlNamed(QWidget& window) {
    int controls = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool reachable = (widget->focusPolicy() & Qt::TabFocus) != 0 &&
                               widget->isVisibleTo(&window) && widget->isEnabled() &&
                               widget->focusProxy() == nullptr;
        if (!reachable) {
            continue;
        }
        ++controls;
        EXPECT_FALSE(accessibleName(widget).trimmed().isEmpty())
            << window.metaObject()->className() << ": " << widget->metaObject()->className() << " "
            << widget->objectName().toStdString();
    }
    EXPECT_GT(controls, 0) << window.metaObject()->className();
}

HistoryPeriod period(const char* day, int before, int after) {
    return closedPeriod(QString::fromLatin1(day), 1, before, after, {1, 0.5});
}

class AccessibilityTest : public MainWindowTest {
protected:
    void beforeOpening() override {
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVOLIN_PICTURE), folder.filePath("tavolin.bmp")));
    }
};

TEST_F(AccessibilityTest, EveryWindowsControlsHaveNames) {
    click(ui.fideButton);  // the coefficient box shown
    calculateFide2024Example();
    expectEveryControlNamed(*mainWindow);
    whenModalShown<CalculationDetailWindow>([](CalculationDetailWindow* window) {
        expectEveryControlNamed(*window);
        window->accept();
    });
    click(ui.detailButton);

    OptionsDialog options(settingsFile, folder.filePath("tavolin.bmp"), boxes, [] {});
    expectEveryControlNamed(options);
    AboutBox about;
    expectEveryControlNamed(about);
    PercentageTableWindow table;
    expectEveryControlNamed(table);
    FideListDownloadDialog download(QUrl("http://127.0.0.1:9/list.zip"), {},
                                    folder.filePath("list.zip"), {}, boxes);
    expectEveryControlNamed(download);

    const QString pgn = folder.filePath("open.pgn");
    writeFile(pgn,
              "[White \"Dupont, Jean\"][Black \"Martin\"][BlackElo \"2010\"]"
              "[Result \"0-1\"]\n1. e4 0-1\n");
    PgnImportDialog pgnImport(pgn, "Dupont, Jean", boxes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pgnImport.reading(); }, 10000));
    expectEveryControlNamed(pgnImport);
    const QString path = folder.filePath("tavolin-history.sqlite");
    RatingHistory(path).add(period("2026-01-31", 1850, 1862));
    HistoryWindow history(path, 1, "Anna", boxes);
    history.readPeriods();
    expectEveryControlNamed(history);
    const QString trf = folder.filePath("open.trf");
    writeFile(trf, "012 Open\n");
    TrfImportDialog trfImport(trf, QString(), QString(), boxes);
    expectEveryControlNamed(trfImport);
}

// The controls without text of their own are named by the captions beside them, and a
// result by its caption with its figure.
TEST_F(AccessibilityTest, ControlsAreNamedAsTheyAreShown) {
    calculateFide2024Example();
    struct Case {
        QObject* control;
        QString name;
        QAccessible::Role role;
    };
    for (const Case& c : {
             Case{ui.eloButton, "ELO", QAccessible::RadioButton},
             Case{ui.fide2024Button, "FIDE 2024", QAccessible::RadioButton},
             Case{ui.youngBox, "Jeune", QAccessible::CheckBox},
             Case{ui.ratingEdit, "Elo du joueur :", QAccessible::EditableText},
             Case{ui.opponentEdit, "Elo : ", QAccessible::EditableText},  // as shown
             Case{ui.playerGrid, "Noms des joueurs", QAccessible::Table},
             Case{ui.calculateButton, "CALCUL", QAccessible::Button},
             Case{ui.titleLabel, "Tavolin v3.2", QAccessible::Button},
             Case{ui.newRatingValue, "NOUVEAU FIDE : 1860", QAccessible::StaticText},
         }) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(accessible, nullptr) << c.name.toStdString();
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        EXPECT_EQ(accessible->role(), c.role) << c.name.toStdString();
    }
    // The title is a button that can be pressed.
    QAccessibleInterface* title = QAccessible::queryAccessibleInterface(ui.titleLabel);
    ASSERT_NE(title->actionInterface(), nullptr);
    EXPECT_TRUE(title->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    // Results cleared: nothing left to say.
    click(ui.clearGamesButton);
    EXPECT_EQ(accessibleName(ui.newRatingValue), "");
}

TEST_F(AccessibilityTest, TheChartIsDescribed) {
    const QString path = folder.filePath("tavolin-history.sqlite");
    {
        RatingHistory history(path);
        history.add(period("2026-01-31", 1850, 1862));
        history.add(period("2026-03-31", 1862, 1893));
    }
    HistoryWindow window(path, 1, "Anna", boxes);
    window.readPeriods();
    const auto shown = controlsOf<HistoryWindowControls>(window);
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(shown.ratingChart);
    EXPECT_EQ(chart->text(QAccessible::Name), "Courbe de classement");
    EXPECT_EQ(chart->text(QAccessible::Description),
              "Courbe de classement : 1850 à 1893, 2 périodes");
}

// A dark theme set by the desktop: every text reads on what lies behind it, the picture's
// lightest and darkest colours for the main window's captions.
class DarkThemeTest : public AccessibilityTest {
protected:
    void beforeOpening() override {
        AccessibilityTest::beforeOpening();
        light = QApplication::palette();
        QPalette dark;
        for (const auto& [role, colour] :
             {std::pair{QPalette::Window, QColor(0x35, 0x35, 0x35)},
              std::pair{QPalette::WindowText, QColor(Qt::white)},
              std::pair{QPalette::Base, QColor(0x2a, 0x2a, 0x2a)},
              std::pair{QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
              std::pair{QPalette::Text, QColor(Qt::white)},
              std::pair{QPalette::Button, QColor(0x35, 0x35, 0x35)},
              std::pair{QPalette::ButtonText, QColor(Qt::white)},
              std::pair{QPalette::ToolTipBase, QColor(0x2a, 0x2a, 0x2a)},
              std::pair{QPalette::ToolTipText, QColor(Qt::white)}}) {
            dark.setColor(role, colour);
        }
        QApplication::setPalette(dark);
    }
    void TearDown() override {
        AccessibilityTest::TearDown();
        QApplication::setPalette(light);
    }

    // The background a text of `widget` is drawn on, and its colour.
    static std::pair<QColor, QColor> textAndBackground(QWidget* widget) {
        const QPalette& palette = widget->palette();
        if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
        }
        if (qobject_cast<QLineEdit*>(widget) != nullptr ||
            qobject_cast<QAbstractScrollArea*>(widget) != nullptr) {
            return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
        }
        return {palette.color(QPalette::WindowText), palette.color(QPalette::Window)};
    }

    QPalette light;
};

TEST_F(DarkThemeTest, TheMainWindowsCaptionsReadOnItsPicture) {
    calculateFide2024Example();
    const QColor lightest(0xF4, 0xEF, 0xE1), darkest(0xDA, 0xD0, 0xB5);  // the picture's
    int captions = 0;
    for (QWidget* widget : mainWindow->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(mainWindow.get())) {
            continue;
        }
        auto* label = qobject_cast<QLabel*>(widget);
        if (label != nullptr && label->parentWidget() == ui.titleLabel->parentWidget()) {
            if (label->text().trimmed().isEmpty()) {
                continue;
            }
            ++captions;
            const QColor text = label->palette().color(QPalette::WindowText);
            EXPECT_GE(contrastRatio(text, lightest), kReadableContrast)
                << label->text().toStdString();
            EXPECT_GE(contrastRatio(text, darkest), kReadableContrast)
                << label->text().toStdString();
        } else if (label == nullptr) {
            const auto [text, background] = textAndBackground(widget);
            EXPECT_GE(contrastRatio(text, background), kReadableContrast)
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        }
    }
    EXPECT_GT(captions, 10);
    // The title keeps its red.
    EXPECT_EQ(ui.titleLabel->palette().color(QPalette::WindowText).hue(), 0);
}

// The Options window draws the same picture behind its boxes and the FIDE list's title.
TEST_F(DarkThemeTest, TheOptionsTextsReadOnThePicture) {
    const QString picture = folder.filePath("tavolin.bmp");
    OptionsDialog options(settingsFile, picture, boxes, [] {});
    options.showFideList(folder.filePath("liste-fide.sqlite"), {});
    const QRect pictureArea(0, 0, 320, 240);
    const QColor lightest(0xF4, 0xEF, 0xE1), darkest(0xDA, 0xD0, 0xB5);
    int onPicture = 0;
    for (QWidget* child : options.findChildren<QWidget*>()) {
        const bool text = qobject_cast<QLabel*>(child) != nullptr ||
                          qobject_cast<QCheckBox*>(child) != nullptr ||
                          qobject_cast<QGroupBox*>(child) != nullptr;
        if (!text || !child->isVisibleTo(&options)) {
            continue;
        }
        const QColor colour = child->palette().color(QPalette::WindowText);
        if (child->parentWidget() == &options && child->geometry().intersects(pictureArea)) {
            ++onPicture;
            EXPECT_GE(contrastRatio(colour, lightest), kReadableContrast)
                << child->objectName().toStdString();
            EXPECT_GE(contrastRatio(colour, darkest), kReadableContrast)
                << child->objectName().toStdString();
        } else {
            EXPECT_GE(contrastRatio(colour, child->palette().color(QPalette::Window)),
                      kReadableContrast)
                << child->objectName().toStdString();
        }
    }
    EXPECT_GE(onPicture, 6);  // the five boxes and the list's title
}

TEST_F(DarkThemeTest, TheQuestionsAreDarkToo) {
    DialogMessageBoxes real;
    QColor window, text;
    whenModalShown<QDialog>([&](QDialog* dialog) {
        window = dialog->palette().color(QPalette::Window);
        text = dialog->findChild<QLabel*>()->palette().color(QPalette::WindowText);
        dialog->reject();
    });
    real.questionWithDate(mainWindow.get(), "Clore ?", QDate(2026, 10, 3));
    EXPECT_TRUE(isDark(window)) << window.name().toStdString();
    EXPECT_GE(contrastRatio(text, window), kReadableContrast);
}

TEST_F(DarkThemeTest, TheHistoryIsDarkWithItsCurve) {
    const QString path = folder.filePath("tavolin-history.sqlite");
    {
        RatingHistory history(path);
        history.add(period("2026-01-31", 1850, 1862));
    }
    HistoryWindow window(path, 1, "Anna", boxes);
    window.readPeriods();
    const auto shown = controlsOf<HistoryWindowControls>(window);
    EXPECT_EQ(shown.ratingChart->chart()->theme(), QChart::ChartThemeDark);
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&window) && widget->parent() != shown.ratingChart) {
            const auto [text, background] = textAndBackground(widget);
            EXPECT_GE(contrastRatio(text, background), kReadableContrast)
                << widget->metaObject()->className();
        }
    }
}

}  // namespace
}  // namespace tavolin::testing
