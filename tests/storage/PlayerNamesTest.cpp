// SPDX-License-Identifier: GPL-3.0-or-later
// Player names matched as a person matches them.
#include "PlayerNames.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "QtPrinters.h"

namespace tavolin {
namespace {

TEST(PlayerNamesTest, NamesMatchAsAPersonMatchesThem) {
    struct Case {
        const char* wanted;  // the name the player is known by (the grid's, or --player's)
        const char* inFile;  // a PGN file's
        NameMatch match;
    };
    for (const Case& c : {
             Case{"Dupont, Jean", "DUPONT, JEAN", NameMatch::Exact},
             Case{"Łukasz Żak", "ŁUKASZ ŻAK", NameMatch::Exact},      // Polish capitals
             Case{"Œdipe, Ève", "œdipe, ève", NameMatch::Exact},      // Œ folds to œ
             Case{"Иванов, Пётр", "ИВАНОВ, ПЁТР", NameMatch::Exact},  // Cyrillic
             Case{"Παπαδόπουλος", "ΠΑΠΑΔΌΠΟΥΛΟΣ", NameMatch::Exact},  // Greek, final sigma
             Case{"Straße, Jörg", "STRAẞE, JORG", NameMatch::Exact},  // capital ẞ
             Case{"LEBOEUF eric", "Lebœuf, Éric", NameMatch::Exact},  // ligatures typed as two
             Case{"Laetitia Casta", "Casta, Lætitia", NameMatch::Exact},
             Case{"Strasse, Jorg", "Straße, Jörg", NameMatch::Exact},
             Case{"Lefevre, Helene", "Lefèvre, Hélène", NameMatch::Exact},
             Case{"Hélène Lefèvre", "Lefèvre, Hélène", NameMatch::Exact},  // either order
             Case{"Lefèvre, Hélène", "Hélène Lefèvre", NameMatch::Exact},
             Case{"Lefèvre , Hélène", "Lefèvre,Hélène", NameMatch::Exact},  // blanks at comma
             Case{"  Dupont,   Jean  ", "Dupont, Jean", NameMatch::Exact},  // runs of blanks
             Case{"Jean-Christophe Dupo", "Jean-Christophe Dupont", NameMatch::Prefix},  // 20
             Case{"Dupont-Aignan, Jean-", "Dupont-Aignan, Jean-Luc", NameMatch::Prefix},
             Case{"Jean-Christophe Dup", "Jean-Christophe Dupont", NameMatch::None},  // 19
             Case{"Dupont, Jean", "Dupont, Jeanne", NameMatch::None},
             Case{"Dupont, Jean", "Dupond, Jean", NameMatch::None},
             Case{"Jean Dupont", "Dupont Jean", NameMatch::None},  // no comma: no order known
             Case{"", "Dupont, Jean", NameMatch::None},
             Case{"   ", "   ", NameMatch::None},
             Case{"?", "?", NameMatch::None},
         }) {
        EXPECT_EQ(matchName(QString::fromUtf8(c.wanted), QString::fromUtf8(c.inFile)), c.match)
            << c.wanted << " / " << c.inFile;
    }
}

TEST(PlayerNamesTest, OnlyOneBestMatchIsChosen) {
    struct Case {
        const char* wanted;
        QStringList inFile;
        int chosen;
        std::vector<int> tied;
    };
    for (const Case& c : {
             Case{"Dupont, Jean", {"Martin, Luc", "dupont,jean"}, 1, {}},
             Case{"Dupont, Jean", {"Martin, Luc", "Petit, Paul"}, -1, {}},
             Case{"", {"Martin, Luc"}, -1, {}},
             // The one written whole wins over those the cut name begins.
             Case{
                 "Jean-Christophe Dupo", {"Jean-Christophe Dupont", "Jean-Christophe Dupo"}, 1, {}},
             Case{"Jean-Christophe Dupo",
                  {"Martin, Luc", "Jean-Christophe Dupont", "Jean-Christophe Dupontel"},
                  -1,
                  {1, 2}},
             Case{"Lefèvre, Hélène", {"Hélène Lefèvre", "Lefevre, Helene"}, -1, {0, 1}},
         }) {
        const PlayerChoice choice = choosePlayer(QString::fromUtf8(c.wanted), c.inFile);
        EXPECT_EQ(choice.chosen, c.chosen) << c.wanted;
        EXPECT_EQ(choice.tied, c.tied) << c.wanted;
    }
}

TEST(PlayerNamesTest, SpellingsOfOneNameShareTheirKey) {
    EXPECT_EQ(nameKey(QStringLiteral("  LEFÈVRE ,  Hélène ")), QStringLiteral("lefevre,helene"));
    EXPECT_EQ(utf8NameKey("Lefevre, HELENE"), "lefevre,helene");
    EXPECT_NE(nameKey(QStringLiteral("Dupont, Jean")), nameKey(QStringLiteral("Dupont, Jeanne")));
}

// The UTF-8 key takes a shortcut for names of characters up to U+00FF: it must give what
// Qt's folding of the whole name gives.
std::string qtNameKey(const std::string& utf8) {
    return nameKey(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())))
        .toStdString();
}

TEST(PlayerNamesTest, EachLatin1CharacterKeysAsQtFoldsIt) {
    for (int code = 1; code <= 0xFF; ++code) {
        const std::string character = QString(QChar(static_cast<char16_t>(code))).toStdString();
        for (const std::string& name :
             {character, "a" + character + "b", "x " + character + ", y", character + character}) {
            EXPECT_EQ(utf8NameKey(name), qtNameKey(name)) << "U+" << std::hex << code;
        }
    }
}

// Long names thick with blanks and commas, those the key leaves out as it goes: each blank
// beside a comma, around "¨" that folds to a blank, at either end, in runs.
TEST(PlayerNamesTest, LongNamesOfBlanksAndCommasKeyAsQtFoldsThem) {
    const std::vector<std::string> pieces{" ",        "  ",     ",",        "\t",       "\xc2\xa8",
                                          "\xc2\xa0", "Dupont", "\xc3\xa9", "\xc5\x93", "x"};
    std::mt19937 random(20261211);
    for (int trial = 0; trial < 20000; ++trial) {
        std::string name;
        const int length = static_cast<int>(random() % 30);
        for (int k = 0; k < length; ++k) {
            name += pieces[random() % pieces.size()];
        }
        ASSERT_EQ(utf8NameKey(name), qtNameKey(name)) << name;
    }
}

TEST(PlayerNamesTest, NamesOfLatin1AndOtherCharactersKeyAsQtFoldsThem) {
    // Blanks, commas and the characters that decompose to blanks or several letters, mixed.
    const std::u16string alphabet =
        u"aZ ,,  \t\u00a0\u0085\u00a8\u00b4\u00c9\u00e9\u00df\u00e6"
        u"\u00bd\u00b5\u00aa\u00ff\u0153\u0301\u00b8-'.19";
    std::mt19937 random(20261210);
    for (int trial = 0; trial < 20000; ++trial) {
        QString name;
        const int length = static_cast<int>(random() % 12);
        for (int k = 0; k < length; ++k) {
            name += QChar(alphabet[random() % alphabet.size()]);
        }
        const std::string utf8 = name.toStdString();
        ASSERT_EQ(utf8NameKey(utf8), qtNameKey(utf8)) << utf8;
    }
    // Not UTF-8: Qt's replacement character, as before.
    for (const std::string& bytes : {std::string("L\xe9"
                                                 "a"),
                                     std::string("\xc3"),
                                     std::string("\xc0\xa0"
                                                 "b"),
                                     std::string("a\xc2")}) {
        EXPECT_EQ(utf8NameKey(bytes), qtNameKey(bytes));
    }
}

}  // namespace
}  // namespace tavolin
