#include "catalogue/builtin_guarantees.h"

#include "catalogue/builtin_table.h"

namespace kombora {

std::vector<DrawGuarantee> BuiltinGuarantees(int index) {
    if (index < 0 || index >= kBuiltinCount) return {};
    const TSysteme& e = kBuiltinTable[static_cast<std::size_t>(index)];
    // The lotto design for 49 numbers: 3 matches whenever 6 drawn numbers lie in the pool.
    if (index == 391) return {{6, 3}};
    if (e.GA == 0) {
        if (index >= 141 && index <= 182) return {{3, 2}};
        return {{4, 2}};
    }
    std::vector<DrawGuarantee> g{{e.GA, e.GA}};
    // The second editions of five parameter sets: more rows, stronger promises for more drawn
    // numbers (each guarantee p -> t also gives p - 1 -> t - 1 and p + 1 -> t).
    switch (index) {
        case 386:  // 6 of 10, GA 3
            g.push_back({6, 5});
            break;
        case 387:  // 6 of 10, GA 4
        case 388:  // 6 of 11, GA 4
            g.push_back({6, 5});
            g.push_back({7, 6});
            break;
        case 389:  // 6 of 12, GA 3
        case 390:  // 6 of 16, GA 3
            g.push_back({5, 4});
            g.push_back({7, 5});
            break;
        default:
            break;
    }
    return g;
}

int64_t SchoenheimBound(int v, int k, int t) {
    if (t <= 0 || k <= 0 || v < k || t > k) return 1;
    // L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)), with L(., ., 0) = 1.
    int64_t bound = 1;
    for (int i = t - 1; i >= 0; --i) {
        const int64_t vv = v - i;
        const int64_t kk = k - i;
        bound = (vv * bound + kk - 1) / kk;
    }
    return bound;
}

}  // namespace kombora
