// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgnText.h"

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

}  // namespace

std::string pgnTextAsUtf8(std::string_view raw) {
    if (isUtf8(raw)) {
        return std::string(raw);
    }
    std::string text;
    for (const char c : raw) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::string comparableName(std::string_view utf8Name) {
    std::string name;
    bool blankPending = false;
    for (std::size_t at = 0; at < utf8Name.size(); ++at) {
        char c = utf8Name[at];
        if (isPgnBlank(c)) {
            blankPending = !name.empty() && name.back() != ',';
            continue;
        }
        if (blankPending) {
            name += ' ';
            blankPending = false;
        }
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        } else if (c == '\xC3' && at + 1 < utf8Name.size()) {
            // Latin-1 capitals À to Þ (but ×) are U+00C0 to U+00DE: C3 80 to C3 9E.
            const auto next = static_cast<unsigned char>(utf8Name[at + 1]);
            name += c;
            name += static_cast<char>(next >= 0x80 && next <= 0x9E && next != 0x97 ? next + 0x20
                                                                                   : next);
            ++at;
            continue;
        }
        name += c;
    }
    return name;
}

}  // namespace tavolin
