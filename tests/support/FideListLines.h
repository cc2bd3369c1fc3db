// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tavolin::testing {

// Lines of FIDE's lists as the real files have them.

inline constexpr std::string_view kCombinedHeader =
    "ID Number      Name                                                         Fed Sex Tit  "
    "WTit OTit           FOA SRtng SGm SK RRtng RGm Rk BRtng BGm BK B-day Flag";
inline constexpr std::string_view kCarlsenLine =
    "1503014        Carlsen, Magnus                                              NOR M   GM    "
    "                       2823  0   10 2801  12  10 2860  0   10 1990      ";
// Other titles one character longer than their column, running into FOA's.
inline constexpr std::string_view kCruzArceLine =
    "3101959        Cruz Arce, Francisco J.                                      PUR M         "
    "    SI,FI,LSI,SLI,NAAFM 1938  0   20 1956  0   20 1927  0   20 1982      ";

// The columns [109, 113) of the FOA title are the only difference of the legacy list.
inline std::string withoutFoa(std::string_view line) {
    return std::string(line.substr(0, 109)) + std::string(line.substr(113));
}

// A line of the combined list from its fields, each padded to its column; columns count
// characters, as in a list written in UTF-8.
inline std::string combinedLine(std::string_view id, std::string_view name,
                                std::string_view federation, std::string_view sex,
                                std::string_view title, std::string_view womanTitle,
                                std::string_view ratings, std::string_view birthYear,
                                std::string_view flag) {
    std::string line;
    std::size_t columns = 0;
    const auto put = [&](std::string_view text, std::size_t end) {
        line += text;
        for (const char c : text) {
            columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        for (; columns < end; ++columns) {
            line += ' ';
        }
    };
    put(id, 15);
    put(name, 76);
    put(federation, 80);
    put(sex, 84);
    put(title, 89);
    put(womanTitle, 94);
    put("", 113);
    put(ratings, 152);  // "SRtng SGm SK RRtng RGm Rk BRtng BGm BK" as the list aligns them
    put(birthYear, 158);
    put(flag, 162);
    return line;
}

}  // namespace tavolin::testing
