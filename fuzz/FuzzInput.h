// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace tavolin::fuzzing {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise of the code under test: libFuzzer keeps the input that led here.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace tavolin::fuzzing
