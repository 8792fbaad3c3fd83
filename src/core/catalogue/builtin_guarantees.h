#pragma once

#include <cstdint>
#include <vector>

#include "catalogue/design_check.h"

namespace kombora {

// Every guarantee the rows of built-in entry `index` keep: the covering property for GA >= 2,
// the lotto properties of the entries without stated guarantee, and the stronger guarantees of
// the entries that repeat a parameter set with more rows.
std::vector<DrawGuarantee> BuiltinGuarantees(int index);

// The Schönheim lower bound on the rows of a covering design C(v, k, t).
int64_t SchoenheimBound(int v, int k, int t);

}  // namespace kombora
