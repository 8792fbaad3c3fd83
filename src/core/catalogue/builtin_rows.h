#pragma once

#include <cstdint>
#include <span>

namespace kombora {

// Rows of built-in entry `index` (0..518) in design numbers: RG x TR bytes, row after row.
std::span<const uint8_t> BuiltinRows(int index);

// Number of rows the design data holds for built-in entry `index`.
int BuiltinRowCount(int index);

// The design number in row r (1..TR) and column c (1..RG) of built-in entry i.
uint8_t DesignNumber(int i, int r, int c);

}  // namespace kombora
