// SPDX-License-Identifier: GPL-3.0-or-later
// Player names matched as a person matches them.
#include "PlayerNames.h"

#include <gtest/gtest.h>

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
             Case{"LEBOEUF eric", "Lebœuf, Éric", NameMatch::Exact},   // ligatures typed as two
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

}  // namespace
}  // namespace tavolin
