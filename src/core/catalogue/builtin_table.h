#pragma once

#include <array>

#include "catalogue/records.h"

namespace kombora {

inline constexpr int kBuiltinCount = 519;

// Parameters of the built-in systems with the row counts of the original catalogue table.
extern const std::array<TSysteme, kBuiltinCount> kBuiltinTable;

}  // namespace kombora
