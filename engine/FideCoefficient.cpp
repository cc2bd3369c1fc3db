#include "FideCoefficient.h"

namespace tavolin {

namespace {

bool isFideCoefficient(std::int32_t value) {
    return value == 10 || value == 15 || value == 25;
}

}  // namespace

int fideCoefficientFromText(std::string_view text, int inForce) {
    if (text == "25") {
        return 25;
    }
    if (text == "15") {
        return 15;
    }
    if (text == "10") {
        return 10;
    }
    return inForce;
}

int fideCoefficientFromStored(std::int32_t stored) {
    return isFideCoefficient(stored) ? stored : kDefaultFideCoefficient;
}

}  // namespace tavolin
