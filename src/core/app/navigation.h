#pragma once

#include <cstdint>
#include <optional>

#include "catalogue/records.h"

namespace kombora {

// How many steps the test of a system takes: TR × (C(WZ, 2) + C(WZ, 3) + … + C(WZ, RG)).
// nullopt when the count does not fit a signed 64-bit integer.
std::optional<int64_t> EvaluationStepCount(const TSysteme& system);

}  // namespace kombora
