// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The searches the PGN reader spends most of its time in, each over the bytes in [at, end),
// giving the first byte that stops it, or `end`. Sixteen bytes are looked at together where
// the processor has SSE2 (every x86-64 one); the portable versions give the same answers
// everywhere and are what the tests hold the fast ones to. Inline: the reader calls them
// several times a tag, on runs of a few bytes.

namespace tavolin::pgnscan {

// What each byte is to a tag, looked up rather than compared.
enum ByteKind : std::uint8_t {
    kNameByte = 1,        // a letter, a digit or "_"
    kEndsPlainValue = 2,  // '"', '\\' or a line end
    kStopsMovetext = 4,   // a line end, "[", "{" or ";"
};

inline constexpr std::array<std::uint8_t, 256> kByteKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (int c = 0; c < 256; ++c) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '_') {
            kinds[static_cast<std::size_t>(c)] = kNameByte;
        }
    }
    for (const char c : {'"', '\\', '\n'}) {
        kinds[static_cast<unsigned char>(c)] |= kEndsPlainValue;
    }
    for (const char c : {'\n', '[', '{', ';'}) {
        kinds[static_cast<unsigned char>(c)] |= kStopsMovetext;
    }
    return kinds;
}();

inline bool isNameByte(char c) {
    return (kByteKinds[static_cast<unsigned char>(c)] & kNameByte) != 0;
}

inline bool endsPlainValue(char c) {
    return (kByteKinds[static_cast<unsigned char>(c)] & kEndsPlainValue) != 0;
}

namespace portable {

// The first byte of [at, end) of one of `kinds`, or the first of none of them (`stopOn`
// false).
inline const char* firstWhere(const char* at, const char* end, std::uint8_t kinds, bool stopOn) {
    while (at < end && ((kByteKinds[static_cast<unsigned char>(*at)] & kinds) != 0) != stopOn) {
        ++at;
    }
    return at;
}

// Where the movetext's skipping stops: a line end, "[", "{" or ";".
inline const char* movetextStop(const char* at, const char* end) {
    return firstWhere(at, end, kStopsMovetext, true);
}
// Where a tag value's plain run stops: '"', '\\' or a line end.
inline const char* valueStop(const char* at, const char* end) {
    return firstWhere(at, end, kEndsPlainValue, true);
}
// The first byte that is no letter, digit or "_": where a tag's name stops.
inline const char* nameStop(const char* at, const char* end) {
    return firstWhere(at, end, kNameByte, false);
}

}  // namespace portable

#if defined(__SSE2__)

namespace sse2 {

// Sixteen bytes at a time while sixteen remain, the rest as the portable version reads
// them; `stops` gives a bit for each byte of a block that stops the search.
template <typename Stops, typename Tail>
inline const char* search(const char* at, const char* end, Stops stops, Tail tail) {
    while (end - at >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        if (const int bits = stops(block); bits != 0) {
            return at + __builtin_ctz(static_cast<unsigned>(bits));
        }
        at += 16;
    }
    return tail(at, end);
}

inline __m128i equal(__m128i block, char c) {
    return _mm_cmpeq_epi8(block, _mm_set1_epi8(c));
}

// The bytes of the block from `low` to `low + count - 1`: shifted so that the range starts
// at -128, as SSE2 compares signed bytes only.
inline __m128i inRange(__m128i block, char low, int count) {
    const __m128i shifted = _mm_add_epi8(block, _mm_set1_epi8(static_cast<char>(128 - low)));
    return _mm_cmplt_epi8(shifted, _mm_set1_epi8(static_cast<char>(-128 + count)));
}

inline const char* movetextStop(const char* at, const char* end) {
    return search(
        at, end,
        [](__m128i block) {
            return _mm_movemask_epi8(
                _mm_or_si128(_mm_or_si128(equal(block, '\n'), equal(block, '[')),
                             _mm_or_si128(equal(block, '{'), equal(block, ';'))));
        },
        portable::movetextStop);
}

inline const char* valueStop(const char* at, const char* end) {
    return search(
        at, end,
        [](__m128i block) {
            return _mm_movemask_epi8(_mm_or_si128(
                _mm_or_si128(equal(block, '"'), equal(block, '\\')), equal(block, '\n')));
        },
        portable::valueStop);
}

inline const char* nameStop(const char* at, const char* end) {
    return search(
        at, end,
        [](__m128i block) {
            // A letter in either case is one in lower case: only letters fall in a to z
            // once 0x20 is set.
            const __m128i lower = _mm_or_si128(block, _mm_set1_epi8(0x20));
            const __m128i name = _mm_or_si128(
                _mm_or_si128(inRange(lower, 'a', 26), inRange(block, '0', 10)), equal(block, '_'));
            return _mm_movemask_epi8(name) ^ 0xFFFF;
        },
        portable::nameStop);
}

}  // namespace sse2

inline const char* movetextStop(const char* at, const char* end) {
    return sse2::movetextStop(at, end);
}
inline const char* valueStop(const char* at, const char* end) {
    return sse2::valueStop(at, end);
}
inline const char* nameStop(const char* at, const char* end) {
    return sse2::nameStop(at, end);
}

#else

inline const char* movetextStop(const char* at, const char* end) {
    return portable::movetextStop(at, end);
}
inline const char* valueStop(const char* at, const char* end) {
    return portable::valueStop(at, end);
}
inline const char* nameStop(const char* at, const char* end) {
    return portable::nameStop(at, end);
}

#endif

}  // namespace tavolin::pgnscan
