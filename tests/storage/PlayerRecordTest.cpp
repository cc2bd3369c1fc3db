// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PlayerFiles.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

PlayerRecord::Bytes toBytes(const QByteArray& data) {
    PlayerRecord::Bytes bytes{};
    std::copy_n(data.constData(), bytes.size(), bytes.begin());
    return bytes;
}

QByteArray fromBytes(const PlayerRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), kRecordBytes);
}

// A record written byte by byte, as another copy of the program writes it.
QByteArray handMadeRecord() {
    QByteArray bytes(kRecordBytes, '\0');
    bytes[0] = 5;
    bytes.replace(1, 5,
                  "Ren\xe9"
                  "e");           // "Renée" in Windows-1252
    bytes.replace(6, 4, "XYZW");  // name bytes past its length: no meaning
    bytes[21] = '\x11';           // padding
    bytes[23] = '\x33';
    putInt32(bytes, 24, 1732);
    putInt32(bytes, 28, 3);
    bytes[32] = 7;  // any value other than 0 is young
    bytes[35] = '\x44';
    putDouble(bytes, 40, 1850);
    putDouble(bytes, 48, 1);
    putDouble(bytes, 56, 1700);
    putDouble(bytes, 64, 0.5);
    putDouble(bytes, 72, 2010);
    putDouble(bytes, 80, 0);
    putInt32(bytes, 840, 3);
    putInt32(bytes, 844, 15);
    return bytes;
}

TEST(PlayerRecordTest, ReadsARecordWrittenByteByByte) {
    const PlayerRecord record(toBytes(handMadeRecord()));
    EXPECT_EQ(record.name(), QString::fromUtf8("Renée"));
    EXPECT_EQ(record.rating(), 1732);
    EXPECT_EQ(record.gameCount(), 3);
    EXPECT_TRUE(record.young());
    const auto games = record.games();
    EXPECT_EQ(games[0].opponentRating, 1850);
    EXPECT_EQ(games[0].score, 1);
    EXPECT_EQ(games[1].score, 0.5);
    EXPECT_EQ(games[2].opponentRating, 2010);
    EXPECT_EQ(games[3].opponentRating, 0);
    EXPECT_EQ(record.system(), 3);
    EXPECT_EQ(record.coefficient(), 15);
}

TEST(PlayerRecordTest, WritesEachFieldAtItsOffset) {
    PlayerRecord record;
    record.setName("Anna");
    record.setRating(-2);
    record.setGameCount(50);
    record.setYoung(true);
    auto games = record.games();
    games[49] = {3000, 0.5};
    record.setGames(games);
    record.setSystem(4);
    record.setCoefficient(10);

    QByteArray expected(kRecordBytes, '\0');
    expected[0] = 4;
    expected.replace(1, 4, "Anna");
    putInt32(expected, 24, -2);
    putInt32(expected, 28, 50);
    expected[32] = 1;
    putDouble(expected, 40 + 49 * 16, 3000);
    putDouble(expected, 48 + 49 * 16, 0.5);
    putInt32(expected, 840, 4);
    putInt32(expected, 844, 10);
    EXPECT_EQ(fromBytes(record), expected);
}

TEST(PlayerRecordTest, KeepsTheBytesWithoutMeaning) {
    const QByteArray original = handMadeRecord();
    PlayerRecord record(toBytes(original));
    record.setName("Al");  // shorter: the old bytes after it stay
    record.setRating(1800);
    record.setYoung(false);
    record.setGames(record.games());

    QByteArray expected = original;
    expected[0] = 2;
    expected.replace(1, 2, "Al");
    putInt32(expected, 24, 1800);
    expected[32] = 0;
    EXPECT_EQ(fromBytes(record), expected);
}

TEST(PlayerRecordTest, NamesAreCutToTwentyCharacters) {
    PlayerRecord record;
    record.setName("Jean-Christophe Dupont-Aignan");  // 29 characters
    EXPECT_EQ(record.name(), "Jean-Christophe Dupo");
    EXPECT_EQ(record.bytes()[0], 20);
    record.setName(QString::fromUtf8("Œdipe €uro ß"));  // Windows-1252 holds them all
    EXPECT_EQ(record.name(), QString::fromUtf8("Œdipe €uro ß"));
    EXPECT_EQ(record.bytes()[1], 0x8C);
    record.setName(QString::fromUtf8("Ивaн 😀 李"));  // cut to characters, then "?"
    EXPECT_EQ(record.name(), "??a? ? ?");
}

TEST(PlayerRecordTest, ALengthByteAbove20ReadsAs20) {
    QByteArray bytes(kRecordBytes, 'A');
    bytes[0] = '\xff';
    const PlayerRecord record(toBytes(bytes));
    EXPECT_EQ(record.name(), QString(20, 'A'));
}

TEST(PlayerRecordTest, AnyBytesReadWithoutHarm) {
    QByteArray bytes(kRecordBytes, '\xff');
    const PlayerRecord record(toBytes(bytes));
    EXPECT_EQ(record.rating(), -1);
    EXPECT_EQ(record.gameCount(), -1);
    EXPECT_EQ(record.system(), -1);
    EXPECT_TRUE(std::isnan(record.games()[0].opponentRating));
}

}  // namespace
}  // namespace tavolin::testing
