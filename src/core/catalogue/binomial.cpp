#include "catalogue/binomial.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace kombora {

std::optional<int64_t> BinomialChecked(int32_t n, int32_t k) {
    if (k < 0 || k > n) return 0;
    if (k == 0 || k == n) return 1;
    const int64_t kk = std::min<int64_t>(k, int64_t{n} - k);
    // c runs through C(n, 1), C(n, 2), ... C(n, kk); each step multiplies by (n - i) and
    // divides by (i + 1). Cancelling the gcd first keeps every intermediate value at most
    // the final one, so the only overflow possible is that of the result itself.
    int64_t c = 1;
    for (int64_t i = 0; i < kk; ++i) {
        const int64_t num = int64_t{n} - i;
        const int64_t den = i + 1;
        const int64_t g = std::gcd(c, den);
        const int64_t cReduced = c / g;
        const int64_t numReduced = num / (den / g);  // exact: den / g divides num
        if (cReduced > std::numeric_limits<int64_t>::max() / numReduced) return std::nullopt;
        c = cReduced * numReduced;
    }
    return c;
}

int64_t Binomial(int32_t n, int32_t k) {
    return BinomialChecked(n, k).value_or(std::numeric_limits<int64_t>::max());
}

}  // namespace kombora
