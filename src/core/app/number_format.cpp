#include "app/number_format.h"

#include <cmath>
#include <cstdio>

namespace kombora {

std::string FormatCount(int64_t value, const NumberLocale& locale) {
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so that INT64_MIN formats too.
    uint64_t magnitude =
        negative ? uint64_t{0} - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * locale.groupSeparator.size() + 1);
    if (negative) out += '-';
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += locale.groupSeparator;
        out.append(digits, i, 3);
    }
    return out;
}

std::string FormatFixed2(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text(buffer);
    if (text == "-0.00") text = "0.00";
    const auto dot = text.find('.');
    if (dot != std::string::npos) text.replace(dot, 1, locale.decimalSeparator);
    return text;
}

}  // namespace kombora
