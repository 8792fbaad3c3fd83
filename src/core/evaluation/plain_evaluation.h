#pragma once

#include <span>

#include "evaluation/hit_tally.h"
#include "rows/number_set.h"

namespace kombora {

// The hit evaluation in its plainest form, kept as the reference the fast engine is measured
// and checked against: every draw of k out of 1..wz in lexicographic order is compared with
// every row as a 32-byte AND whose bits are counted with a 16-entry nibble table, and the
// best row's match count is tallied. Hit counts outside 2..10 are left out.
HitTally EvaluateHitsPlain(std::span<const NumberSet> rowSets, int wz, int firstHitCount,
                           int lastHitCount);

}  // namespace kombora
