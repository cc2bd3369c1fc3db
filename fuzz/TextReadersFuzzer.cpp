// SPDX-License-Identifier: GPL-3.0-or-later
// What the user types: the rating field, an opponent's rating, a result sign, the
// coefficient box, read by every reader of the engine, then "CALCUL" with them under each
// system. The first byte chooses the switches; the rest is split on new lines into fields.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Calculation.h"
#include "FuzzInput.h"
#include "GameEntryReading.h"
#include "TextReading.h"

using namespace tavolin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned switches = data[0];
    std::vector<std::string_view> fields;
    std::string_view rest = fuzzing::bytesOf(data + 1, size - 1);
    while (!rest.empty() && fields.size() < 60) {
        const std::size_t end = rest.find('\n');
        fields.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (fields.empty()) {
        return 0;
    }
    const std::string_view rating = fields.front();
    (void)readWholeNumber(rating);
    const RatingText read = readRatingText(rating);
    fuzzing::require(read.errorPosition >= 0 &&
                     static_cast<std::size_t>(read.errorPosition) <= rating.size() + 1);
    (void)readDecimalDigits(rating, 4);

    // The other fields as games: an opponent's rating and a sign, in pairs.
    std::vector<GameEntry> games;
    for (std::size_t k = 1; k + 1 < fields.size() && games.size() < 50; k += 2) {
        const auto opponent = readOpponentRating(fields[k]);
        const auto score = readResultSign(fields[k + 1]);
        if (opponent) {
            fuzzing::require(std::isfinite(*opponent));
        }
        if (opponent && score) {
            games.push_back({*opponent, *score});
        }
    }
    CalculationInput input;
    input.ratingText = rating;
    input.games = games;
    input.young = (switches & 1) != 0;
    input.interpolation = (switches & 2) != 0;
    input.roundToTens = (switches & 4) != 0;
    input.coefficientText = fields.size() > 1 ? fields[1] : std::string_view("25");
    input.decimalSeparator = (switches & 8) != 0 ? "." : ",";
    const RatingSystem system = kRatingSystems[(switches >> 4) % 5];
    input.system = system;
    const CalculationResult result = calculate(input);
    if (result.message.empty()) {
        fuzzing::require(result.details.size() == games.size());
    }
    return 0;
}
