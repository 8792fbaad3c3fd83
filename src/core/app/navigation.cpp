#include "app/navigation.h"

#include <limits>

#include "catalogue/binomial.h"

namespace kombora {

std::optional<int64_t> EvaluationStepCount(const TSysteme& system) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t sum = 0;
    for (int32_t j = 2; j <= system.RG; ++j) {
        const auto c = BinomialChecked(system.WZ, j);
        if (!c || *c > kMax - sum) return std::nullopt;
        sum += *c;
    }
    const int64_t rows = system.TR;
    if (rows != 0 && sum > kMax / rows) return std::nullopt;
    return sum * rows;
}

}  // namespace kombora
