#include "combinatorics.h"

namespace designgen {

const Binomials& Binom() {
    static const Binomials b;
    return b;
}

std::vector<Mask> AllSubsets(int n, int k) {
    std::vector<Mask> out(Binom()(n, k));
    ForEachSubset(FullMask(n), k, [&](Mask s) { out[RankOf(s)] = s; });
    return out;
}

}  // namespace designgen
