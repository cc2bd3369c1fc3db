// SPDX-License-Identifier: GPL-3.0-or-later
// Finding players in FIDE's list: by ID, by the beginnings of their names' words in any
// order, accents and case ignored, active players first, then the highest rated.
#include "FideListSearch.h"

#include <gtest/gtest.h>

#include "FideList.h"
#include "FideListFiles.h"
#include "FideListLines.h"
#include "FileError.h"
#include "TemporaryFolders.h"

namespace tavolin::testing {
namespace {

TEST(FideListSearchTextTest, FiveDigitsOrMoreAreAnId) {
    const struct {
        const char* text;
        std::optional<quint32> id;
    } rows[] = {
        {"1503014", 1503014u},     {" 12345 ", 12345u}, {"1234", std::nullopt},
        {"123456789", 123456789u}, {"1234567890", 0u},  {"15030l4", std::nullopt},
        {"-12345", std::nullopt},  {"", std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fideIdOfSearch(QString::fromUtf8(row.text)), row.id) << row.text;
    }
}

TEST(FideListSearchTextTest, WordsBecomePrefixesAndNothingElse) {
    const struct {
        const char* text;
        const char* query;
    } rows[] = {
        {"carl", "\"carl\"*"},
        {"  Magn  carl ", "\"Magn\"* AND \"carl\"*"},
        {"Carlsen, Magnus", "\"Carlsen\"* AND \"Magnus\"*"},
        {"Lefèvre", "\"Lefèvre\"*"},
        {"Lefe\u0300vre", "\"Lefèvre\"*"},
        {"q\u0300x", "\"q\"* AND \"x\"*"},  // no composed letter: the mark cuts the word
        {"a\"b", "\"a\"* AND \"b\"*"},
        {"\"", ""},
        {"*", ""},
        {"-carl", "\"carl\"*"},
        {"carl OR magn", "\"carl\"* AND \"OR\"* AND \"magn\"*"},
        {"NEAR(a b)", "\"NEAR\"* AND \"a\"* AND \"b\"*"},
        {"name:carl", "\"name\"* AND \"carl\"*"},
        {"^carl", "\"carl\"*"},
        {"\u0301", ""},
        {"\U0001D400bc", "\"\U0001D400bc\"*"},  // a letter beyond 16 bits
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fideListMatchQuery(QString::fromUtf8(row.text)), QString::fromUtf8(row.query))
            << row.text;
    }
}

class FideListSearchTest : public FileInTemporaryFolder {
protected:
    FideListSearchTest() : FileInTemporaryFolder("liste-fide.sqlite") {}

    void SetUp() override {
        FileInTemporaryFolder::SetUp();
        std::string text(kCombinedHeader);
        text += "\r\n";
        const auto add = [&text](const char* id, const char* name, const char* rating,
                                 const char* flag) {
            text += combinedLine(id, name, "FRA", "M", "", "", rating, "1980", flag) + "\r\n";
        };
        add("100001", "Lefèvre, Jean", "1800", "");
        add("100002", "Lefevre, Jeanne", "2100", "i");
        add("100003", "LEFEBVRE, Jean-Marc", "1900", "");
        add("100004", "Martin, Jean", "2200", "");
        add("100005", "Jeannin, Martine", "", "w");
        add("100006", "Ababil", "1500", "");
        add("100007", "Martin, Zoé", "2000", "wi");
        add("100008", "Dupont, Jean", "1800", "");
        text += std::string(kCarlsenLine) + "\r\n";
        const QString list = folder.filePath("list.txt");
        writeFile(list, QByteArray::fromStdString(text));
        ASSERT_TRUE(importFideList(path, list, "2026-10"));
    }

    std::vector<quint32> found(const char* text, int limit = 20) {
        std::vector<quint32> ids;
        for (const FideListPlayer& player :
             FideListDatabase(path).find(QString::fromUtf8(text), limit)) {
            ids.push_back(player.id);
        }
        return ids;
    }
};

TEST_F(FideListSearchTest, PlayersComeActiveFirstThenHighestRated) {
    const struct {
        const char* text;
        std::vector<quint32> ids;
    } rows[] = {
        {"1503014", {1503014}},
        {"100006", {100006}},
        {"999999", {}},
        {"12345678901", {}},
        {"carlsen", {1503014}},
        {"magnus carlsen", {1503014}},
        {"CARL MAG", {1503014}},
        {"lefevre", {100001, 100002}},  // active first, though rated lower
        {"lefèvre", {100001, 100002}},  // accents ignored both ways
        {"lef", {100003, 100001, 100002}},
        {"jean", {100004, 100003, 100001, 100008, 100005, 100002}},  // ties by ID
        {"jean lef", {100003, 100001, 100002}},
        {"lef jean", {100003, 100001, 100002}},
        {"jean marc", {100003}},
        {"martin", {100004, 100005, 100007}},
        {"zoe", {100007}},
        {"ababil", {100006}},
        {"xyz", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(found(row.text), row.ids) << row.text;
    }
}

TEST_F(FideListSearchTest, AtMostTheLimit) {
    EXPECT_EQ(found("jean", 2), (std::vector<quint32>{100004, 100003}));
    EXPECT_EQ(found("jean", 0), std::vector<quint32>{});
    EXPECT_EQ(found("jean", -1), std::vector<quint32>{});
    EXPECT_EQ(found("1503014", 0), std::vector<quint32>{});
}

TEST_F(FideListSearchTest, TheIndexsSyntaxTypedByTheUserFindsOrRefusesNothing) {
    for (const char* text : {"\"",
                             "\"\"",
                             "*",
                             "carl*",
                             "\"carl",
                             "-",
                             "- carl",
                             "carl OR magn",
                             "NOT carl",
                             "carl AND",
                             "(",
                             ")",
                             "NEAR(carl magn)",
                             "name:carl",
                             "{name}: carl",
                             "^carl",
                             "+",
                             "'",
                             "\u0301",
                             "carl\"; DROP TABLE player",
                             "'); --",
                             "q\u0300x",
                             "\U0001D400bc",
                             "\U000E0041"}) {
        EXPECT_NO_THROW(found(text)) << text;
    }
    EXPECT_EQ(found("carl*"), std::vector<quint32>{1503014});
    EXPECT_EQ(found("\"carl"), std::vector<quint32>{1503014});
    EXPECT_EQ(found("carl OR lef"), std::vector<quint32>{});  // OR is a word to find
    EXPECT_EQ(found("name:carl"), std::vector<quint32>{});
    EXPECT_EQ(found("carl\"; DROP TABLE player"), std::vector<quint32>{});
    EXPECT_EQ(found("carlsen"), std::vector<quint32>{1503014});
}

}  // namespace
}  // namespace tavolin::testing
