#pragma once

#include <cstdint>
#include <string_view>

#include "rows/number_set.h"

namespace kombora {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBankCellGreen{179, 255, 179};  // a bank number in a row grid
inline constexpr Rgb kHitGreen{0, 213, 0};           // all combinations reached
inline constexpr Rgb kPercentRowTint{220, 243, 141};
inline constexpr Rgb kCountLimeGreen{0, 255, 0};  // statistics: number in every row
inline constexpr Rgb kCountYellow{255, 255, 0};   // statistics: number in some rows

// Fill of a number cell of the row grids g1 and g3: light green for a bank number, white for
// any other number, and white too for an empty cell or a text that is no whole number.
Rgb RowGridCellFill(std::string_view text, const NumberSet& bankSet);

// Fill of a cell of the hit table g2 (row and column counted from the header row and column
// 0): green for "100,00" in a percentage (even) row or for a count equal to column 1's;
// otherwise the percentage rows are tinted and the count rows white.
Rgb HitGridCellFill(int row, int column, std::string_view text, std::string_view column1Text);

// The whole number in a grid cell's text, surrounding blanks ignored.
bool ParseCellNumber(std::string_view text, int& value);

}  // namespace kombora
