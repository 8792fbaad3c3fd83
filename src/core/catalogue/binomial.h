#pragma once

#include <cstdint>
#include <optional>

namespace kombora {

// C(n, k) when it fits a signed 64-bit integer, nullopt when it does not.
// 0 for k < 0 or k > n, 1 for k == 0 or k == n.
std::optional<int64_t> BinomialChecked(int32_t n, int32_t k);

// C(n, k) as a signed 64-bit integer. Every value that fits is exact; a value beyond the
// 64-bit range saturates at INT64_MAX instead of wrapping (callers that can reach such
// arguments, like the n-over-k calculator, use BinomialChecked to report it).
int64_t Binomial(int32_t n, int32_t k);

}  // namespace kombora
