// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/FideListLines.h"

namespace tavolin {
namespace {

using testing::combinedLine;
using testing::kCarlsenLine;
using testing::kCombinedHeader;
using testing::kCruzArceLine;
using testing::withoutFoa;

FideListLine carlsen() {
    FideListLine line;
    line.id = 1503014;
    line.name = "Carlsen, Magnus";
    line.federation = "NOR";
    line.sex = "M";
    line.title = "GM";
    line.standardRating = 2823;
    line.standardK = 10;
    line.rapidRating = 2801;
    line.rapidGames = 12;
    line.rapidK = 10;
    line.blitzRating = 2860;
    line.blitzK = 10;
    line.birthYear = 1990;
    return line;
}

FideListLine cruzArce() {
    FideListLine line;
    line.id = 3101959;
    line.name = "Cruz Arce, Francisco J.";
    line.federation = "PUR";
    line.sex = "M";
    line.otherTitles = "SI,FI,LSI,SLI,NA";
    line.onlineTitle = "AFM";
    line.standardRating = 1938;
    line.standardK = 20;
    line.rapidRating = 1956;
    line.rapidK = 20;
    line.blitzRating = 1927;
    line.blitzK = 20;
    line.birthYear = 1982;
    return line;
}

struct Reading {
    std::vector<FideListLine> players;
    FideListReader::Failure failure = FideListReader::Failure::none;
    std::size_t damaged = 0;
    std::string month;
};

// Reads `text` in pieces of `piece` bytes, as a zip's blocks come.
Reading readList(std::string_view text, std::size_t piece = 1 << 16,
                 FideListKind kind = FideListKind::standard) {
    Reading reading;
    FideListReader reader([&](const FideListLine& line) { reading.players.push_back(line); }, kind);
    for (std::size_t at = 0; at < text.size(); at += piece) {
        if (!reader.read(text.substr(at, piece))) {
            break;
        }
    }
    reader.finish();
    reading.failure = reader.failure();
    reading.damaged = reader.damagedCount();
    if (reader.layout()) {
        reading.month = reader.layout()->month();
    }
    return reading;
}

std::string crlfList(const std::vector<std::string>& lines) {
    std::string text(kCombinedHeader);
    text += "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

TEST(FideListReaderTest, TheRealLinesGiveEveryField) {
    const Reading reading =
        readList(crlfList({std::string(kCarlsenLine), std::string(kCruzArceLine)}));
    EXPECT_EQ(reading.failure, FideListReader::Failure::none);
    ASSERT_EQ(reading.players.size(), 2u);
    EXPECT_EQ(reading.players[0], carlsen());
    EXPECT_EQ(reading.players[1], cruzArce());  // its other titles run one column into FOA
    EXPECT_EQ(reading.damaged, 0u);
    EXPECT_EQ(reading.month, "");
}

TEST(FideListReaderTest, TheSameListInPiecesOfAnySizeOrWithBareLineFeedsReadsTheSame) {
    const std::string crlf = crlfList({std::string(kCarlsenLine), std::string(kCruzArceLine)});
    std::string lf;
    for (const char c : crlf) {
        if (c != '\r') {
            lf += c;
        }
    }
    for (const std::size_t piece : {1u, 2u, 7u, 162u, 163u, 164u, 4096u}) {
        EXPECT_EQ(readList(crlf, piece).players, (std::vector{carlsen(), cruzArce()})) << piece;
        EXPECT_EQ(readList(lf, piece).players, (std::vector{carlsen(), cruzArce()})) << piece;
    }
    // The last line without its line end.
    EXPECT_EQ(readList(lf.substr(0, lf.size() - 1)).players, (std::vector{carlsen(), cruzArce()}));
}

TEST(FideListReaderTest, AOneWordNameAWomanAndAnInactivePlayer) {
    const Reading reading = readList(crlfList({
        combinedLine("12345678", "Ababil", "AFG", "M", "", "", "", "0", ""),
        combinedLine("2000001", "Dupont, Marie", "FRA", "F", "", "WFM",
                     "2105  4   20 2050  0   20 0     0   20", "1999", "w"),
        combinedLine("2000002", "Lefèvre, Anne-Sophie", "FRA", "F", "IM", "WGM", "2300  0   10",
                     "1975", "wi"),
    }));
    ASSERT_EQ(reading.players.size(), 3u);
    EXPECT_EQ(reading.players[0].name, "Ababil");
    EXPECT_EQ(reading.players[0].standardRating, 0);
    EXPECT_EQ(reading.players[0].birthYear, 0);
    EXPECT_EQ(reading.players[1].flag, "w");
    EXPECT_EQ(reading.players[1].womanTitle, "WFM");
    EXPECT_EQ(reading.players[1].standardGames, 4);
    EXPECT_EQ(reading.players[1].blitzRating, 0);
    EXPECT_EQ(reading.players[1].blitzK, 20);
    EXPECT_EQ(reading.players[2].flag, "wi");
    EXPECT_EQ(reading.players[2].name, "Lefèvre, Anne-Sophie");
    EXPECT_EQ(reading.players[2].title, "IM");
    EXPECT_EQ(reading.players[2].rapidRating, 0);  // a cut line: the fields it lacks are blank
}

TEST(FideListReaderTest, ACutLineHasTheFieldsItLacksBlank) {
    FideListLine expected = carlsen();
    expected.rapidRating = 0;
    expected.rapidGames = 0;
    expected.rapidK = 0;
    expected.blitzRating = 0;
    expected.blitzK = 0;
    expected.birthYear = 0;
    const Reading reading = readList(crlfList({std::string(kCarlsenLine.substr(0, 125))}));
    EXPECT_EQ(reading.players, std::vector{expected});
    EXPECT_EQ(readList(crlfList({"1503014        Carlsen"})).players[0].name, "Carlsen");
}

TEST(FideListReaderTest, TheLegacyListHasNoFoaColumn) {
    std::string text = withoutFoa(kCombinedHeader) + "\n";
    text += withoutFoa(kCarlsenLine) + "\n";
    const Reading reading = readList(text);
    EXPECT_EQ(reading.players, std::vector{carlsen()});
    EXPECT_EQ(withoutFoa(kCombinedHeader).size(), 158u);
}

TEST(FideListReaderTest, AListOfOneRatingPutsItWhereItsKindSaysAndGivesItsMonth) {
    const std::string header =
        "ID Number      Name                                                         Fed Sex Tit  "
        "WTit OTit           FOA OCT26 Gms K  B-day Flag";
    ASSERT_EQ(header.size(), 136u);
    const std::string line = std::string(kCarlsenLine.substr(0, 113)) + "2801  12  10 1990  i";
    const std::string text = header + "\r\n" + line + "\r\n";
    struct Row {
        FideListKind kind;
        int FideListLine::*rating;
        int FideListLine::*games;
        int FideListLine::*k;
    };
    for (const Row& row : {
             Row{FideListKind::standard, &FideListLine::standardRating,
                 &FideListLine::standardGames, &FideListLine::standardK},
             Row{FideListKind::rapid, &FideListLine::rapidRating, &FideListLine::rapidGames,
                 &FideListLine::rapidK},
             Row{FideListKind::blitz, &FideListLine::blitzRating, &FideListLine::blitzGames,
                 &FideListLine::blitzK},
         }) {
        const Reading reading = readList(text, 1 << 16, row.kind);
        ASSERT_EQ(reading.players.size(), 1u);
        FideListLine expected;
        expected.id = 1503014;
        expected.name = "Carlsen, Magnus";
        expected.federation = "NOR";
        expected.sex = "M";
        expected.title = "GM";
        expected.*row.rating = 2801;
        expected.*row.games = 12;
        expected.*row.k = 10;
        expected.birthYear = 1990;
        expected.flag = "i";
        EXPECT_EQ(reading.players[0], expected);
        EXPECT_EQ(reading.month, "2026-10");
    }
}

TEST(FideListReaderTest, MonthTokensOfTheHeader) {
    const struct {
        std::string_view token;
        std::string month;
    } rows[] = {{"JAN25", "2025-01"}, {"SEP26", "2026-09"}, {"oct26", "2026-10"},
                {"DEC30", "2030-12"}, {"XYZ26", ""},        {"OCT2", ""}};
    for (const auto& row : rows) {
        const std::string header =
            "ID Number      Name          Fed " + std::string(row.token) + " Gms  K  B-day Flag";
        const auto layout = FideListLayout::ofHeader(header);
        ASSERT_TRUE(layout) << row.token;
        EXPECT_EQ(layout->month(), row.month) << row.token;
    }
}

TEST(FideListReaderTest, OnlyFideHeadersAreHeaders) {
    for (const std::string_view header : {
             std::string_view(""),
             std::string_view("ID"),
             std::string_view("Name ID Number"),
             std::string_view("ID Number      Nom"),
             std::string_view("1503014        Carlsen, Magnus"),
             std::string_view("PK\x03\x04"),
         }) {
        EXPECT_FALSE(FideListLayout::ofHeader(header)) << header;
    }
    EXPECT_TRUE(FideListLayout::ofHeader(kCombinedHeader));
    EXPECT_TRUE(FideListLayout::ofHeader("ID Number Name"));
}

TEST(FideListReaderTest, DamagedLinesAreSkippedAndCounted) {
    const std::string ratings = "2823  0   10";
    const std::vector<std::string> damaged = {
        combinedLine("", "Sans Numéro", "FRA", "M", "", "", ratings, "1990", ""),
        combinedLine("15O3014", "Lettre, Dans", "FRA", "M", "", "", ratings, "1990", ""),
        combinedLine("1234567890", "Trop, Long", "FRA", "M", "", "", ratings, "1990", ""),
        combinedLine("0", "Zero, Id", "FRA", "M", "", "", ratings, "1990", ""),
        combinedLine("1503014", "Carlsen, Magnus", "NOR", "M", "GM", "", "28x3  0   10", "1990",
                     ""),
        combinedLine("1503014", "Carlsen, Magnus", "NOR", "M", "GM", "", ratings, "19a0", ""),
        combinedLine("1503014", "Carlsen, Magnus", "NOR", "M", "GM", "", "-100", "1990", ""),
    };
    for (const std::string& line : damaged) {
        const Reading reading = readList(crlfList({line, std::string(kCarlsenLine)}));
        EXPECT_EQ(reading.players, std::vector{carlsen()}) << line;
        EXPECT_EQ(reading.damaged, 1u) << line;
        EXPECT_EQ(reading.failure, FideListReader::Failure::none);
    }
    // Blank lines are no players and no damage.
    const Reading blanks = readList(crlfList({"", "   ", std::string(kCarlsenLine), ""}));
    EXPECT_EQ(blanks.players, std::vector{carlsen()});
    EXPECT_EQ(blanks.damaged, 0u);
}

TEST(FideListReaderTest, ColumnsCountTheCharactersOfAUtf8Line) {
    // "Lefèvre, Zoé" is 12 characters and 14 bytes: its line is padded to the columns.
    std::string line = "2000004        Lefèvre, Zoé";
    line += std::string(76 - 15 - 12, ' ');
    line += "FRA F   IM   WGM  IA             WFM 2310  5   20 2200  0   20 2150  0   20 1988  w";
    const Reading reading = readList(crlfList({line}));
    ASSERT_EQ(reading.players.size(), 1u);
    const FideListLine& player = reading.players[0];
    EXPECT_EQ(player.name, "Lefèvre, Zoé");
    EXPECT_EQ(player.federation, "FRA");
    EXPECT_EQ(player.sex, "F");
    EXPECT_EQ(player.title, "IM");
    EXPECT_EQ(player.womanTitle, "WGM");
    EXPECT_EQ(player.otherTitles, "IA");
    EXPECT_EQ(player.onlineTitle, "WFM");
    EXPECT_EQ(player.standardRating, 2310);
    EXPECT_EQ(player.standardGames, 5);
    EXPECT_EQ(player.blitzRating, 2150);
    EXPECT_EQ(player.birthYear, 1988);
    EXPECT_EQ(player.flag, "w");
    EXPECT_EQ(reading.damaged, 0u);
}

TEST(FideListReaderTest, ALatin1NameComesOutInUtf8) {
    const Reading reading = readList(
        crlfList({combinedLine("2000003", "M\xFCller, J\xF6rg", "GER", "M", "", "", "", "", "")}));
    ASSERT_EQ(reading.players.size(), 1u);
    EXPECT_EQ(reading.players[0].name, "Müller, Jörg");
}

TEST(FideListReaderTest, AFirstLineThatIsNoHeaderEndsTheReading) {
    EXPECT_EQ(readList("").failure, FideListReader::Failure::noHeader);
    EXPECT_EQ(readList(std::string(kCarlsenLine) + "\r\n").failure,
              FideListReader::Failure::noHeader);
    const Reading reading =
        readList("bonjour\n" + std::string(kCombinedHeader) + "\n" + std::string(kCarlsenLine));
    EXPECT_EQ(reading.failure, FideListReader::Failure::noHeader);
    EXPECT_TRUE(reading.players.empty());
    // A header with a byte order mark is still one.
    EXPECT_EQ(readList("\xEF\xBB\xBF" + crlfList({std::string(kCarlsenLine)})).players.size(), 1u);
}

TEST(FideListReaderTest, ALineOfTenMegabytesEndsTheReadingAtItsLimit) {
    std::size_t handed = 0;
    FideListReader reader([&](const FideListLine&) { ++handed; });
    ASSERT_TRUE(reader.read(crlfList({std::string(kCarlsenLine)})));
    const std::string piece(1 << 16, 'x');
    std::size_t fed = 0;
    bool accepted = true;
    while (accepted && fed < 10u << 20) {
        accepted = reader.read(piece);
        fed += piece.size();
    }
    EXPECT_FALSE(accepted);
    EXPECT_LE(fed, FideListReader::kLongestLine + piece.size());  // refused at its limit
    EXPECT_EQ(reader.failure(), FideListReader::Failure::lineTooLong);
    EXPECT_EQ(reader.failedLine(), 3u);
    EXPECT_FALSE(reader.read("\n" + std::string(kCarlsenLine) + "\n"));
    EXPECT_EQ(handed, 1u);
    // Within one piece as well.
    Reading inOnePiece = readList(crlfList({std::string(10u << 20, '1')}), 20u << 20);
    EXPECT_EQ(inOnePiece.failure, FideListReader::Failure::lineTooLong);
}

}  // namespace
}  // namespace tavolin
