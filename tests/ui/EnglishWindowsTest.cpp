// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: no text a user sees in them is left in French. And in French, the
// captions stay the program's own, byte for byte.
#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSet>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "AboutBox.h"
#include "CalculationDetailWindow.h"
#include "FideListDownloadDialog.h"
#include "FideMonthText.h"
#include "HistoryPeriods.h"
#include "HistoryWindow.h"
#include "HistoryWindowControls.h"
#include "MainWindowFixture.h"
#include "MessageBoxes.h"
#include "ModalHelper.h"
#include "OptionsDialog.h"
#include "OptionsDialogControls.h"
#include "PercentageTableWindow.h"
#include "PgnImportDialog.h"
#include "PgnImportDialogControls.h"
#include "RatingHistory.h"
#include "ShownLanguage.h"

namespace tavolin::testing {
namespace {

// The translation's texts as translations/tavolin_en.ts holds them.
struct TranslationFile {
    QHash<QString, QString> englishOf;  // each French text translated, and its English
};

TranslationFile readTranslationFile() {
    TranslationFile read;
    QFile file(QStringLiteral(TAVOLIN_TRANSLATION_FILE));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << TAVOLIN_TRANSLATION_FILE;
        return read;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString english = xml.readElementText();
            if (!unfinished && !english.isEmpty() && english != source) {
                read.englishOf.insert(source, english);
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return read;
}

const TranslationFile& translation() {
    static const TranslationFile read = readTranslationFile();
    return read;
}

// A text a user sees, and where.
struct SeenText {
    QString where;
    QString text;
};

void addText(QList<SeenText>& seen, const QObject* owner, const QString& what,
             const QString& text) {
    if (!text.isEmpty()) {
        seen.append({owner->objectName() + QLatin1Char('/') +
                         QString::fromLatin1(owner->metaObject()->className()) + QLatin1Char(' ') +
                         what,
                     text});
    }
}

void addChartTexts(QList<SeenText>& seen, const QChartView* view) {
    const QChart* chart = view->chart();
    if (chart == nullptr) {
        return;
    }
    for (const QAbstractAxis* axis : chart->axes()) {
        addText(seen, view, QStringLiteral("axis title"), axis->titleText());
    }
    for (const QAbstractSeries* series : chart->series()) {
        addText(seen, view, QStringLiteral("series"), series->name());
    }
}

// Every text of `window` and its controls a user may see: titles, captions, tooltips,
// headers, a list's items, actions.
QList<SeenText> textsOf(const QWidget& window) {
    QList<SeenText> seen;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        widgets.append(child);
    }
    for (const QWidget* widget : widgets) {
        if (widget->isWindow()) {
            addText(seen, widget, QStringLiteral("title"), widget->windowTitle());
        }
        addText(seen, widget, QStringLiteral("tooltip"), widget->toolTip());
        for (const QAction* action : widget->actions()) {
            addText(seen, widget, QStringLiteral("action"), action->text());
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            addText(seen, widget, QStringLiteral("text"), label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            addText(seen, widget, QStringLiteral("text"), button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            addText(seen, widget, QStringLiteral("title"), group->title());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            addText(seen, widget, QStringLiteral("placeholder"), combo->placeholderText());
            for (int k = 0; k < combo->count(); ++k) {
                addText(seen, widget, QStringLiteral("item"), combo->itemText(k));
            }
        } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            addText(seen, widget, QStringLiteral("placeholder"), line->placeholderText());
        } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int k = 0; k < table->columnCount(); ++k) {
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(k)) {
                    addText(seen, widget, QStringLiteral("header"), header->text());
                }
            }
        } else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget)) {
            for (int k = 0; k < tree->columnCount(); ++k) {
                addText(seen, widget, QStringLiteral("header"), tree->headerItem()->text(k));
            }
        } else if (const auto* chart = qobject_cast<const QChartView*>(widget)) {
            addChartTexts(seen, chart);
        }
    }
    return seen;
}

// A French text: one the translation gives another English for, or one with letters
// English does not write.
bool isFrench(const QString& text) {
    if (translation().englishOf.contains(text)) {
        return true;
    }
    static const QString frenchLetters = QStringLiteral("éèêàçùôîœÉÈÀ«»");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return frenchLetters.contains(c); });
}

void expectEnglish(const QList<SeenText>& texts) {
    EXPECT_FALSE(texts.isEmpty());
    for (const SeenText& seen : texts) {
        EXPECT_FALSE(isFrench(seen.text))
            << seen.where.toStdString() << ": " << seen.text.toStdString();
    }
}

QString textAt(const QList<SeenText>& texts, const QString& where) {
    for (const SeenText& seen : texts) {
        if (seen.where == where) {
            return seen.text;
        }
    }
    return QStringLiteral("<none at %1>").arg(where);
}

// The texts of the context menu a control opens on a right click.
QList<SeenText> contextMenuTexts(QWidget* control) {
    QList<SeenText> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&poll, &seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll.stop();
        for (const QAction* action : menu->actions()) {
            addText(seen, menu, QStringLiteral("menu action"), action->text());
        }
        menu->close();
    });
    poll.start(10);
    emit control->customContextMenuRequested(QPoint(4, 4));
    return seen;
}

// The date and score the history window lists for a period of 3½ points closed on
// 14 March 2026, written into the history at `path`.
QStringList dateAndScoreListed(const QString& path, MessageBoxes& boxes) {
    RatingHistory(path).add(testing::closedPeriod("2026-03-14", 1, 1850, 1862, {1, 0.5, 1, 1}));
    HistoryWindow history(path, 1, "Anna", boxes);
    history.readPeriods();
    const QTableWidget* table = controlsOf<HistoryWindowControls>(history).periodTable;
    if (table->rowCount() != 1) {
        return {};
    }
    return {table->item(0, 0)->text(), table->item(0, 3)->text()};
}

const QByteArray kSmallPgn =
    "[Event \"Open\"][Round \"1\"][White \"Dupont, Jean\"][Black \"Martin, Luc\"]\n"
    "[BlackElo \"2010\"][Result \"0-1\"]\n1. e4 e5 0-1\n\n"
    "[Event \"Open\"][Round \"2\"][White \"Leroy, Anne\"][Black \"Dupont, Jean\"]\n"
    "[WhiteElo \"1700\"][Result \"1/2-1/2\"]\n1. d4 1/2-1/2\n";

class LanguageWindowsTest : public MainWindowTest {
protected:
    std::optional<Settings> initialSettings() override {
        Settings settings;
        settings.showHelp = true;  // the tooltips of the help too
        return settings;
    }
};

class EnglishWindowsTest : public LanguageWindowsTest {
protected:
    void beforeOpening() override { language.emplace(ShownLanguage::English); }
    void TearDown() override {
        LanguageWindowsTest::TearDown();
        language.reset();  // the other tests see French
    }
    std::optional<LanguageInstallation> language;
};

class FrenchWindowsTest : public LanguageWindowsTest {
protected:
    void beforeOpening() override { language.emplace(ShownLanguage::French); }
    void TearDown() override {
        LanguageWindowsTest::TearDown();
        language.reset();
    }
    std::optional<LanguageInstallation> language;
};

TEST_F(EnglishWindowsTest, TheTranslationFileHasTheWindowsTexts) {
    EXPECT_EQ(translation().englishOf.value("CALCUL"), "CALCULATE");
    EXPECT_EQ(translation().englishOf.value("Clore la période"), "Close the period");
    EXPECT_GT(translation().englishOf.size(), 100);
}

TEST_F(EnglishWindowsTest, TheMainWindowSpeaksEnglish) {
    click(ui.fide2024Button);  // the K factor's tooltip and box
    calculateFide2024Example();
    const QList<SeenText> texts = textsOf(*mainWindow);
    expectEnglish(texts);
    EXPECT_EQ(ui.calculateButton->text(), "CALCULATE");
    EXPECT_EQ(ui.gamesCaption->text(), "Your games: ");  // its trailing blank kept
    EXPECT_EQ(ui.closePeriodButton->text(), "Close the period");
}

TEST_F(EnglishWindowsTest, TheContextMenusSpeakEnglish) {
    const QList<SeenText> players = contextMenuTexts(ui.playerGrid);
    ASSERT_EQ(players.size(), 2);
    EXPECT_EQ(players[0].text, "FIDE ID…");
    expectEnglish(players);
    const QList<SeenText> games = contextMenuTexts(ui.gameList);
    ASSERT_FALSE(games.isEmpty());
    EXPECT_EQ(games.back().text, "Import games (PGN, TRF)…");
    expectEnglish(games);
}

TEST_F(EnglishWindowsTest, TheDetailOfACalculationSpeaksEnglish) {
    calculateFide2024Example();
    bool shown = false;
    whenModalShown<CalculationDetailWindow>([&](CalculationDetailWindow* window) {
        shown = true;
        const QList<SeenText> texts = textsOf(*window);
        expectEnglish(texts);
        EXPECT_EQ(window->windowTitle(), "Calculation details");
        window->accept();
    });
    click(ui.detailButton);
    EXPECT_TRUE(shown);
}

TEST_F(EnglishWindowsTest, TheSmallWindowsSpeakEnglish) {
    OptionsDialog options(settingsFile, QString(), boxes, [] {});
    options.showFideList(folder.filePath("liste-fide.sqlite"), {});
    expectEnglish(textsOf(options));
    EXPECT_EQ(controlsOf<OptionsDialogControls>(options).saveButton->text(), "Save");

    AboutBox about;
    expectEnglish(textsOf(about));
    EXPECT_EQ(about.windowTitle(), "About");

    PercentageTableWindow table;
    expectEnglish(textsOf(table));

    FideListDownloadDialog download(QUrl("http://127.0.0.1:9/list.zip"), {},
                                    folder.filePath("list.zip"), {}, boxes);
    expectEnglish(textsOf(download));
}

TEST_F(EnglishWindowsTest, TheHistoryWindowOfAnEmptyHistorySpeaksEnglish) {
    HistoryWindow history(folder.filePath("tavolin-historique.sqlite"), 1, "Anna", boxes);
    history.readPeriods();
    const QList<SeenText> texts = textsOf(history);
    expectEnglish(texts);
    EXPECT_EQ(history.windowTitle().left(11), "History of ");
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('\n').toStdString();
}

TEST_F(EnglishWindowsTest, TheHistoryWritesScoresWithADecimalPoint) {
    EXPECT_EQ(dateAndScoreListed(folder.filePath("tavolin-historique.sqlite"), boxes),
              (QStringList{"03/14/2026", "3.5"}));
}

TEST_F(EnglishWindowsTest, ThePgnImportSpeaksEnglish) {
    const QString pgn = folder.filePath("open.pgn");
    writeFile(pgn, kSmallPgn);
    PgnImportDialog dialog(pgn, "Dupont, Jean", boxes);
    const auto shown = controlsOf<PgnImportDialogControls>(dialog);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !dialog.reading() && shown.gameTable->rowCount() == 2; }, 10000));
    expectEnglish(textsOf(dialog));
    EXPECT_EQ(shown.gameTable->horizontalHeaderItem(1)->text(), "Event");
}

TEST_F(EnglishWindowsTest, TheBoxesSpeakEnglishAndTheDateReadsMonthFirst) {
    DialogMessageBoxes real;
    QString format;
    QList<SeenText> texts;
    whenModalShown<QDialog>([&](QDialog* dialog) {
        texts = textsOf(*dialog);
        if (const auto* date = dialog->findChild<QDateEdit*>()) {
            format = date->displayFormat();
        }
        dialog->reject();
    });
    EXPECT_FALSE(real.questionWithDate(mainWindow.get(), "Close?", QDate(2026, 10, 3)));
    expectEnglish(texts);
    EXPECT_EQ(format, "MM/dd/yyyy");
    EXPECT_EQ(textAt(texts, "DateQuestion/QDialog title"), "Confirm");

    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        texts = textsOf(*box);
        box->reject();
    });
    EXPECT_FALSE(real.question(mainWindow.get(), "Sure?"));
    expectEnglish(texts);
}

TEST_F(EnglishWindowsTest, AFideListIsNamedByItsMonthFirst) {
    const struct {
        const char* month;
        const char* named;
    } cases[] = {{"2026-10", "October 2026 FIDE list"},
                 {"2026-03", "March 2026 FIDE list"},
                 {"2026-08", "August 2026 FIDE list"},
                 {"avril", "avril FIDE list"}};  // a text that is no month, as it is
    for (const auto& c : cases) {
        EXPECT_EQ(fideListOfMonth(c.month), QString::fromUtf8(c.named)) << c.month;
    }
}

TEST_F(FrenchWindowsTest, TheFrenchCaptionsStayTheProgramsOwn) {
    EXPECT_EQ(ui.calculateButton->text(), "CALCUL");
    EXPECT_EQ(ui.gamesCaption->text(), "Vos parties : ");
    EXPECT_EQ(ui.resultCaption->text(), QString::fromUtf8("Résultat (+,=,-) : "));
    EXPECT_EQ(ui.deleteGameButton->text(), QString::fromUtf8("Effacer partie n°"));
    EXPECT_EQ(ui.youngCaption->toolTip(),
              QString::fromUtf8("Cochez cette case si vous êtes jeune"));
    const QList<SeenText> texts = textsOf(*mainWindow);
    EXPECT_EQ(textAt(texts, "closePeriodButton/QPushButton text"),
              QString::fromUtf8("Clore la période"));
    EXPECT_EQ(textAt(texts, "playerNamesCaption/QLabel text"), "Noms des joueurs");

    OptionsDialog options(settingsFile, QString(), boxes, [] {});
    EXPECT_EQ(controlsOf<OptionsDialogControls>(options).saveButton->text(), "Sauver");
    HistoryWindow history(folder.filePath("tavolin-historique.sqlite"), 1, "Anna", boxes);
    EXPECT_EQ(history.windowTitle().left(14), "Historique de ");
    EXPECT_EQ(fideListOfMonth("2026-10"), "liste FIDE d'octobre 2026");
    EXPECT_EQ(fideListOfMonth("2026-03"), "liste FIDE de mars 2026");
}

TEST_F(FrenchWindowsTest, TheHistoryWritesScoresWithADecimalComma) {
    EXPECT_EQ(dateAndScoreListed(folder.filePath("tavolin-historique.sqlite"), boxes),
              (QStringList{"14/03/2026", "3,5"}));
}

TEST_F(FrenchWindowsTest, TheDateReadsDayFirst) {
    DialogMessageBoxes real;
    QString format;
    QString title;
    whenModalShown<QDialog>([&](QDialog* dialog) {
        title = dialog->windowTitle();
        if (const auto* date = dialog->findChild<QDateEdit*>()) {
            format = date->displayFormat();
        }
        dialog->reject();
    });
    EXPECT_FALSE(real.questionWithDate(mainWindow.get(), "Clore ?", QDate(2026, 10, 3)));
    EXPECT_EQ(format, "dd/MM/yyyy");
    EXPECT_EQ(title, "Confirmation");
}

}  // namespace
}  // namespace tavolin::testing
