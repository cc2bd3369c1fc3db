// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnText.h"

#include <optional>

#include "PgnReader.h"
#include "ShownText.h"
#include "Windows1252Table.h"

namespace tavolin {

bool isPgnBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The length of `text` without an incomplete UTF-8 sequence at its end, such as the cut of
// a long value leaves; `text` itself when it ends whole.
std::size_t withoutCutSequence(std::string_view text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if (byte < 0x80) {
            return text.size();
        }
        if (byte >= 0xC0) {  // a lead byte: its sequence needs more than `back` bytes?
            const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
            return needed > back ? text.size() - back : text.size();
        }
    }
    return text.size();
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Control characters (C0, DEL, C1) become blanks, so that none reaches a name.
std::string withoutControls(std::string text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x20 || byte == 0x7F) {
            text[at] = ' ';
        } else if (byte == 0xC2 && at + 1 < text.size() &&
                   static_cast<unsigned char>(text[at + 1]) < 0xA0) {  // U+0080 to U+009F
            text.replace(at, 2, " ");
        }
    }
    return text;
}

}  // namespace

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8SequenceAt(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

bool isPgnTextUtf8AsItIs(std::string_view raw) {
    for (std::size_t at = 0; at < raw.size();) {
        const auto byte = static_cast<unsigned char>(raw[at]);
        if (byte >= 0x20 && byte < 0x7F) {
            ++at;
            continue;
        }
        if (byte < 0x80) {
            return false;  // C0 or DEL
        }
        const std::size_t length = utf8SequenceAt(raw, at);
        // U+0080 to U+009F are control characters too.
        if (length == 0 || (byte == 0xC2 && static_cast<unsigned char>(raw[at + 1]) < 0xA0)) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string pgnTextAsUtf8(std::string_view raw) {
    if (isUtf8(raw)) {
        return withoutControls(std::string(raw));
    }
    if (raw.size() >= kPgnLongestValue) {
        const std::string_view whole = raw.substr(0, withoutCutSequence(raw));
        if (isUtf8(whole)) {
            return withoutControls(std::string(whole));
        }
    }
    std::string text;
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t mapped = b >= 0x80 && b < 0xA0 ? kWindows1252From0x80[b - 0x80] : b;
        appendUtf8(text, mapped != 0 ? mapped : U' ');  // an undefined byte reads as a blank
    }
    return withoutControls(std::move(text));
}

namespace {

// How the language shown writes a date; only its order (the month first or not) is taken.
constexpr ShownText kDateOrder = TAVOLIN_TEXT("PgnText", "dd/MM/yyyy");

enum class DateOrder { DayFirst, MonthFirst };

std::string pgnDateInOrder(std::string_view pgnDate, DateOrder order) {
    const std::size_t first = pgnDate.find('.');
    const std::size_t second = pgnDate.find('.', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos ||
        pgnDate.find('.', second + 1) != std::string_view::npos) {
        return std::string(pgnDate);
    }
    const auto part = [](std::string_view digits,
                         std::size_t length) -> std::optional<std::string> {
        if (digits.size() != length) {
            return std::nullopt;
        }
        if (digits.find_first_not_of('?') == std::string_view::npos) {
            return "??";
        }
        if (digits.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        return std::string(digits);
    };
    const auto year = part(pgnDate.substr(0, first), 4);
    const auto month = part(pgnDate.substr(first + 1, second - first - 1), 2);
    const auto day = part(pgnDate.substr(second + 1), 2);
    if (!year || !month || !day) {
        return std::string(pgnDate);
    }
    return order == DateOrder::MonthFirst ? *month + '/' + *day + '/' + *year
                                          : *day + '/' + *month + '/' + *year;
}

}  // namespace

std::string frenchDate(std::string_view pgnDate) {
    return pgnDateInOrder(pgnDate, DateOrder::DayFirst);
}

std::string shownPgnDate(std::string_view pgnDate) {
    const bool monthFirst = kDateOrder.text().substr(0, 2) == "MM";
    return pgnDateInOrder(pgnDate, monthFirst ? DateOrder::MonthFirst : DateOrder::DayFirst);
}

}  // namespace tavolin
