// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace tavolin {

// The program's texts are written in French. When the user's language is another, the
// programs install a translator at start-up (Qt's, built from translations/tavolin_en.ts),
// and every text the engine shows goes through it; the engine itself stays plain C++.

// Returns the translation of `source`, a French text of `context`, or `source` itself. The
// translation must stay valid as long as the program runs.
using TextTranslator = std::string_view (*)(const char* context, const char* source);

// The translator in force; none (French) until one is installed. Not to be changed while
// texts are being shown.
void installTextTranslator(TextTranslator translator);

// A French text the program shows, in the language shown when it is read. Written with
// TAVOLIN_TEXT so that the translation tools find it.
struct ShownText {
    const char* context;
    const char* french;

    std::string_view text() const;
    operator std::string_view() const { return text(); }
    const char* data() const { return text().data(); }
    std::size_t size() const { return text().size(); }
    bool empty() const { return text().empty(); }
    friend bool operator==(const ShownText& shown, std::string_view other) {
        return shown.text() == other;
    }
};

inline std::ostream& operator<<(std::ostream& out, const ShownText& shown) {
    return out << shown.text();
}
inline std::string operator+(std::string left, const ShownText& right) {
    return left.append(right.text());
}
inline std::string operator+(const ShownText& left, std::string_view right) {
    return std::string(left.text()).append(right);
}

// The translation of a text that is not a constant (a caption chosen at run time).
std::string_view shownText(const char* context, const char* french);

}  // namespace tavolin

// lupdate reads this as QT_TRANSLATE_NOOP (translations/CMakeLists.txt says so).
#define TAVOLIN_TEXT(context, french) (::tavolin::ShownText{context, french})
