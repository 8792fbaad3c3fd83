#pragma once

#include <cstdint>
#include <string>

namespace kombora {

// The separators a locale uses for numbers shown to the user.
struct NumberLocale {
    std::string groupSeparator;
    std::string decimalSeparator;

    static NumberLocale German() { return {".", ","}; }
    static NumberLocale English() { return {",", "."}; }
};

// The pattern "#,": digits grouped by threes with the locale's thousands separator, no
// decimals (a value of 0 reads "0").
std::string FormatCount(int64_t value, const NumberLocale& locale);

// The pattern "0.00": two decimals with the locale's decimal separator, no grouping.
std::string FormatFixed2(double value, const NumberLocale& locale);

}  // namespace kombora
