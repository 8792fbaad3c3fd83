#include "rows/grid_colours.h"

#include <charconv>

namespace kombora {

bool ParseCellNumber(std::string_view text, int& value) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

Rgb RowGridCellFill(std::string_view text, const NumberSet& bankSet) {
    int n = 0;
    if (!ParseCellNumber(text, n)) return kWhite;
    return bankSet.Contains(n) ? kBankCellGreen : kWhite;
}

Rgb HitGridCellFill(int row, int column, std::string_view text, std::string_view column1Text) {
    const bool percentRow = row % 2 == 0;
    if ((percentRow && text == "100,00") || (column >= 2 && !text.empty() && text == column1Text)) {
        return kHitGreen;
    }
    return percentRow ? kPercentRowTint : kWhite;
}

}  // namespace kombora
