#pragma once

#include <cstdint>
#include <string_view>

namespace tavolin {

// The calculation selected by the five radio buttons; the values are stored in the player file.
enum class RatingSystem : std::int32_t {
    Elo = 1,
    Injes = 2,
    Fide = 3,
    Perf = 4,
    Fide2024 = 5,  // the FIDE regulations in force since 2024, beside the older FIDE rules
};

// The captions beside the result labels, which change with the system.
struct ResultCaptions {
    std::string_view gain;         // Label6
    std::string_view performance;  // Label7; empty when hidden
    std::string_view nvelo;        // Label9
    bool performanceShown = true;
    bool coefficientShown = false;  // ComboBox1 and Label11
};

ResultCaptions resultCaptions(RatingSystem system);

// The caption beside `moy`, the same for every system.
inline constexpr std::string_view kAverageCaption = "Moyenne des adversaires : ";

}  // namespace tavolin
