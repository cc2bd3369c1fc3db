// SPDX-License-Identifier: GPL-3.0-or-later
#include "FideListLayout.h"

#include <array>
#include <vector>

namespace tavolin {

namespace {

struct Word {
    std::string_view text;
    std::size_t start;
};

std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at] == ' ') {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && line[at] != ' ') {
            ++at;
        }
        if (at > start) {
            words.push_back({line.substr(start, at - start), start});
        }
    }
    return words;
}

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// "OCT26" as "2026-10"; empty when the word is no month.
std::string monthOfToken(std::string_view word) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    if (word.size() != 5 || word[3] < '0' || word[3] > '9' || word[4] < '0' || word[4] > '9') {
        return {};
    }
    for (std::size_t month = 0; month < kMonths.size(); ++month) {
        if (sameLetters(word.substr(0, 3), kMonths[month])) {
            std::string text = "20";
            text += word.substr(3, 2);
            text += month < 9 ? "-0" : "-1";
            text += static_cast<char>('0' + (month + 1) % 10);
            return text;
        }
    }
    return {};
}

struct NamedField {
    std::string_view word;
    FideListField field;
};

constexpr NamedField kNamedFields[] = {
    {"Name", FideListField::name},         {"Fed", FideListField::federation},
    {"Sex", FideListField::sex},           {"Tit", FideListField::title},
    {"WTit", FideListField::womanTitle},   {"OTit", FideListField::otherTitles},
    {"FOA", FideListField::onlineTitle},   {"SRtng", FideListField::standardRating},
    {"SGm", FideListField::standardGames}, {"SK", FideListField::standardK},
    {"RRtng", FideListField::rapidRating}, {"RGm", FideListField::rapidGames},
    {"RK", FideListField::rapidK},         {"BRtng", FideListField::blitzRating},
    {"BGm", FideListField::blitzGames},    {"BK", FideListField::blitzK},
    {"B-day", FideListField::birthYear},   {"Bday", FideListField::birthYear},
    {"Flag", FideListField::flag},
};

// The fields of a list of one rating, after its month token.
struct KindFields {
    FideListField rating, games, k;
};

KindFields fieldsOfKind(FideListKind kind) {
    switch (kind) {
        case FideListKind::rapid:
            return {FideListField::rapidRating, FideListField::rapidGames, FideListField::rapidK};
        case FideListKind::blitz:
            return {FideListField::blitzRating, FideListField::blitzGames, FideListField::blitzK};
        case FideListKind::standard:
            break;
    }
    return {FideListField::standardRating, FideListField::standardGames, FideListField::standardK};
}

std::optional<FideListField> fieldNamed(std::string_view word, FideListKind kind,
                                        std::string& month) {
    for (const NamedField& named : kNamedFields) {
        if (sameLetters(word, named.word)) {
            return named.field;
        }
    }
    const KindFields single = fieldsOfKind(kind);
    if (std::string text = monthOfToken(word); !text.empty()) {
        month = std::move(text);
        return single.rating;
    }
    if (sameLetters(word, "Gms") || sameLetters(word, "Gm")) {
        return single.games;
    }
    if (sameLetters(word, "K")) {
        return single.k;
    }
    return std::nullopt;
}

}  // namespace

std::optional<FideListLayout> FideListLayout::ofHeader(std::string_view header, FideListKind kind) {
    while (!header.empty() && (header.back() == '\r' || header.back() == '\n')) {
        header.remove_suffix(1);
    }
    const std::vector<Word> words = wordsOf(header);
    if (words.size() < 3 || !sameLetters(words[0].text, "ID") ||
        !sameLetters(words[1].text, "Number")) {
        return std::nullopt;
    }
    FideListLayout layout;
    layout.width_ = header.size();
    const auto place = [&layout](FideListField field, std::size_t start, std::size_t end) {
        Columns& columns = layout.columns_[static_cast<std::size_t>(field)];
        if (!columns.present) {
            columns = {start, end, true};
        }
    };
    // "ID Number" is two words of one field.
    place(FideListField::id, words[0].start, words[2].start);
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t end = i + 1 < words.size() ? words[i + 1].start : std::string_view::npos;
        if (const auto field = fieldNamed(words[i].text, kind, layout.month_)) {
            place(*field, words[i].start, end);
        }
    }
    if (!layout.columns(FideListField::name).present) {
        return std::nullopt;
    }
    return layout;
}

}  // namespace tavolin
