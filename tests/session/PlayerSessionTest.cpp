// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the current player's saves and loads, without a window.
#include "PlayerSession.h"

#include <gtest/gtest.h>

#include <QFile>

#include "FileError.h"
#include "PlayerFiles.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

class PlayerSessionTest : public FileInTemporaryFolder {
protected:
    PlayerSessionTest() : FileInTemporaryFolder("tavo.lin") {}
    void SetUp() override {
        FileInTemporaryFolder::SetUp();
        file = blankPlayerFile();
    }

    // Writes `file` and loads `player` from it into a fresh session.
    PlayerSession& loadFresh(int player = 1) {
        writeFile(path, file);
        session = std::make_unique<PlayerSession>(path);
        session->load(player);
        return *session;
    }

    std::int32_t storedInt32(int player, qsizetype offset) const {
        return getInt32(readFile(path), recordOffset(player) + offset);
    }

    void putGame(int player, int slot, double rating, double score) {
        putDouble(file, recordOffset(player) + 40 + 16 * (slot - 1), rating);
        putDouble(file, recordOffset(player) + 48 + 16 * (slot - 1), score);
    }

    QByteArray file;
    std::unique_ptr<PlayerSession> session;
};

TEST_F(PlayerSessionTest, LoadsTheFieldsAsTheScreenShowsThem) {
    struct Case {
        std::int32_t rating, count, young, storedCoefficient;
        const char* ratingText;
        std::int32_t shownCount;
        bool shownYoung;
        int coefficient;
    };
    for (const Case c :
         {Case{499, 3, 0, 15, "", 3, false, 15}, Case{500, 60, 1, 10, "500", 50, true, 10},
          Case{2100, -4, 255, 20, "2100", 0, true, 25}, Case{-7, 50, 0, 0, "", 50, false, 25}}) {
        file = blankPlayerFile();
        putInt32(file, 24, c.rating);
        putInt32(file, 28, c.count);
        file[32] = static_cast<char>(c.young);
        putInt32(file, 844, c.storedCoefficient);
        const PlayerSession& loaded = loadFresh();
        EXPECT_EQ(loaded.ratingText(), c.ratingText) << c.rating;
        EXPECT_EQ(loaded.games().count, c.shownCount) << c.count;
        EXPECT_EQ(loaded.young(), c.shownYoung) << c.young;
        EXPECT_EQ(loaded.fideCoefficient(), c.coefficient) << c.storedCoefficient;
        EXPECT_EQ(loaded.coefficientText(), QString::number(c.coefficient)) << c.storedCoefficient;
        EXPECT_EQ(loaded.current(), 1);
    }
}

TEST_F(PlayerSessionTest, AFileThatCannotBeReadChangesNothing) {
    putInt32(file, recordOffset(2) + 24, 1800);
    PlayerSession& s = loadFresh();
    s.setRatingText("1234");
    writeFile(path, file.left(5 * kRecordBytes));
    EXPECT_THROW(s.load(2), FileError);
    EXPECT_EQ(s.current(), 1);
    EXPECT_EQ(s.ratingText(), "1234");
    EXPECT_FALSE(s.lastSaveFailed());
}

TEST_F(PlayerSessionTest, SavesTheRatingTextAsItsLeadingNumber) {
    PlayerSession& s = loadFresh();
    for (const auto& [text, elo] : {std::pair{"", 0}, std::pair{"17x", 17}, std::pair{"1650", 1650},
                                    std::pair{"$7D0", 2000}}) {
        s.setRatingText(text);
        s.save();
        EXPECT_EQ(storedInt32(1, 24), elo) << text;
    }
}

// Coming back to the window reloads the player just saved: a rating being typed stays as
// typed; one the file no longer agrees with (another program changed it) gives way.
TEST_F(PlayerSessionTest, AReloadKeepsTheRatingBeingTyped) {
    PlayerSession& s = loadFresh();
    for (const char* typed : {"185", "0185", "17x"}) {
        s.setRatingText(typed);
        s.save();
        s.load(1);
        EXPECT_EQ(s.ratingText(), typed);
    }
    s.setRatingText("185");
    s.save();
    putInt32(file, 24, 1900);
    writeFile(path, file);
    s.load(1);
    EXPECT_EQ(s.ratingText(), "1900");
}

// Every save recounts the games; leaving a player in the names grid also counts those rated
// from 700, which "Valider" cannot enter.
TEST_F(PlayerSessionTest, TheSaveOnLeavingCountsGamesFrom700) {
    putInt32(file, 28, 3);
    putGame(1, 1, 1500, 1);
    putGame(1, 2, 800, 0);
    putGame(1, 3, 1200, 0.5);
    PlayerSession& s = loadFresh();
    EXPECT_EQ(s.gameListText().text(), " 1500    + 800    - 1200    =");
    s.save();
    EXPECT_EQ(storedInt32(1, 28), 2);
    EXPECT_EQ(s.games().count, 2);
    s.saveOnLeaving();
    EXPECT_EQ(storedInt32(1, 28), 3);
}

TEST_F(PlayerSessionTest, OnlyTheCoefficientInForceOr10_15_25IsStored) {
    putInt32(file, 844, 15);
    PlayerSession& s = loadFresh();
    for (const auto& [text, coefficient] :
         {std::pair{"", 15}, std::pair{"20", 15}, std::pair{"10", 10}, std::pair{" 25", 15}}) {
        s.setCoefficientText(text);
        s.save();
        EXPECT_EQ(storedInt32(1, 844), coefficient) << '"' << text << '"';
    }
}

// The save that follows a load writes the loaded player's own coefficient, whatever the
// previous player left in the box.
TEST_F(PlayerSessionTest, ALoadBringsItsOwnCoefficientText) {
    putInt32(file, recordOffset(2) + 844, 15);
    PlayerSession& s = loadFresh();
    s.setCoefficientText("10");
    s.load(2);
    s.save();
    EXPECT_EQ(storedInt32(2, 844), 15);
}

// The record's one coefficient field holds the K factor of a FIDE 2024 player.
TEST_F(PlayerSessionTest, AFide2024PlayerKeepsHisKFactor) {
    struct Case {
        std::int32_t stored;
        int loaded;
    };
    for (const Case c : {Case{40, 40}, Case{10, 10}, Case{15, 20}, Case{25, 20}, Case{-1, 20}}) {
        file = blankPlayerFile();
        putInt32(file, 840, 5);
        putInt32(file, 844, c.stored);
        PlayerSession& s = loadFresh();
        EXPECT_EQ(s.fide2024Coefficient(), c.loaded) << c.stored;
        EXPECT_EQ(s.fideCoefficient(), 25) << c.stored;
        EXPECT_EQ(s.coefficientText(), QString::number(c.loaded)) << c.stored;
        s.setCoefficientText("15");  // not a K factor: the one in force stays
        s.save();
        EXPECT_EQ(storedInt32(1, 844), c.loaded) << c.stored;
    }
    session->setCoefficientText("40");
    session->save();
    EXPECT_EQ(storedInt32(1, 844), 40);
    session->setSystem(RatingSystem::Fide);
    session->save();
    EXPECT_EQ(storedInt32(1, 844), 25);  // "40" is no coefficient of the older rules
}

TEST_F(PlayerSessionTest, SavesThePlayerItLoadedWithHisNameCutTo20) {
    PlayerSession& s = loadFresh(4);
    s.setName(4, QStringLiteral("Bartholomew Fitzgerald-Smythe"));
    s.setName(5, QStringLiteral("not saved with player 4"));
    s.setSystem(RatingSystem::Perf);
    s.save();
    const QByteArray bytes = readFile(path);
    EXPECT_EQ(bytes[recordOffset(4)], 20);
    EXPECT_EQ(bytes.mid(recordOffset(4) + 1, 20), "Bartholomew Fitzgera");
    EXPECT_EQ(storedInt32(4, 840), 4);
    EXPECT_EQ(bytes[recordOffset(5)], 0);
}

TEST_F(PlayerSessionTest, NothingIsSavedBeforeAPlayerIsLoaded) {
    writeFile(path, file);
    PlayerSession fresh(path);
    fresh.setRatingText("1500");
    fresh.save();
    fresh.saveOnLeaving();
    EXPECT_EQ(fresh.saveForEnding(), "");
    EXPECT_EQ(readFile(path), file);
}

// After a failed save, coming back to the window must not reload over the screen.
TEST_F(PlayerSessionTest, AFailedSaveForbidsTheReloadUntilASaveSucceeds) {
    PlayerSession& s = loadFresh();
    EXPECT_TRUE(s.reloadsOnReturn());
    QFile::remove(path);
    for (auto saveOf : {&PlayerSession::save, &PlayerSession::saveOnLeaving}) {
        EXPECT_THROW((s.*saveOf)(), FileError);
        EXPECT_TRUE(s.lastSaveFailed());
        EXPECT_FALSE(s.reloadsOnReturn());
    }
    EXPECT_FALSE(s.saveForEnding().isEmpty());

    writeFile(path, file);
    s.save();
    EXPECT_FALSE(s.lastSaveFailed());
    EXPECT_TRUE(s.reloadsOnReturn());
}

TEST_F(PlayerSessionTest, TheFocusGivenBackByOwnBoxIsNoReturn) {
    PlayerSession& s = loadFresh();
    s.focusLeftForOwnBox();
    EXPECT_FALSE(s.reloadsOnReturn());
    EXPECT_TRUE(s.reloadsOnReturn());
}

TEST_F(PlayerSessionTest, GamesAndTheirListChangeTogether) {
    PlayerSession& s = loadFresh();
    int changes = 0;
    QObject::connect(&s, &PlayerSession::gamesChanged, [&] { ++changes; });
    for (int k = 0; k < kMaxGames; ++k) {
        ASSERT_TRUE(s.addGame({1000.0 + k, 1}));
    }
    EXPECT_FALSE(s.addGame({1600, 0}));
    EXPECT_EQ(changes, kMaxGames);
    s.removeGame(1);
    s.removeGame(0);
    s.removeGame(51);
    EXPECT_EQ(s.games().count, kMaxGames - 1);
    EXPECT_EQ(s.gameListText().text().substr(0, 10), " 1001    +");
    s.clearGames();
    EXPECT_EQ(s.games().count, 0);
    EXPECT_EQ(s.gameListText().text(), "");
    EXPECT_EQ(changes, kMaxGames + 2);
}

// The texts of imported games follow their games through additions, deletions, a switch to
// another player and back, and are forgotten when the file holds another game there.
TEST_F(PlayerSessionTest, ImportedGamesKeepTheirPgnTextsWhileTheyStayPut) {
    PlayerSession& games = loadFresh(1);
    const auto imported = [](double rating, const char* opponent) {
        return PgnImportedGame{"2026.03.02", "Open", "1", opponent, GameEntry{rating, 1}};
    };
    games.addImportedGame(imported(1800, "Petit, Paul"));
    games.addGame({1700, 0.5});
    games.addImportedGame(imported(1900, "Durand, Léa"));
    games.addImportedGame(imported(2000, "Roux, Max"));
    games.removeGame(1);
    games.save();
    games.load(2);
    games.load(1);
    const auto names = [&] {
        QStringList shown;
        for (const HistoryGame& game : games.periodGames()) {
            shown.append(QString::number(game.entry.opponentRating) + " " + game.opponentName);
        }
        return shown;
    };
    EXPECT_EQ(names(), (QStringList{"1700 ", "1900 Durand, Léa", "2000 Roux, Max"}));
    EXPECT_EQ(games.periodGames()[1].date, "2026.03.02");

    putGame(1, 1, 1700, 0.5);
    putGame(1, 2, 1950, 1);  // another program changed the second game
    putGame(1, 3, 2000, 1);
    putInt32(file, recordOffset(1) + 28, 3);
    writeFile(path, file);
    games.load(1);
    EXPECT_EQ(names(), (QStringList{"1700 ", "1950 ", "2000 Roux, Max"}));
    games.clearGames();
    games.addGame({2000, 1});
    EXPECT_EQ(names(), QStringList{"2000 "});
}

}  // namespace
}  // namespace tavolin::testing
