#pragma once

#include <bit>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "catalogue/subsets.h"

namespace designgen {

using Mask = uint64_t;  // bit i: point i + 1

inline int Popcount(Mask m) {
    return std::popcount(m);
}

// Binomial coefficients up to 64 over 64, saturating far beyond what is used.
class Binomials {
  public:
    Binomials() {
        for (int n = 0; n <= 64; ++n) {
            c_[n][0] = 1;
            for (int k = 1; k <= 64; ++k) {
                c_[n][k] = n == 0 ? 0 : c_[n - 1][k - 1] + c_[n - 1][k];
            }
        }
    }
    uint64_t operator()(int n, int k) const {
        if (n < 0 || k < 0 || k > n) return 0;
        return c_[n][k];
    }

  private:
    uint64_t c_[65][65]{};
};

const Binomials& Binom();

// Colex rank of a subset given as a mask: sum of C(position, i + 1) over its sorted points.
inline uint32_t RankOf(Mask m) {
    const Binomials& b = Binom();
    uint64_t rank = 0;
    int i = 1;
    while (m) {
        const int p = std::countr_zero(m);
        rank += b(p, i);
        ++i;
        m &= m - 1;
    }
    return static_cast<uint32_t>(rank);
}

// All k-subsets of {0..n-1} in colex order (rank order).
std::vector<Mask> AllSubsets(int n, int k);

// Calls f(sub) for every k-subset of the points of `m`, in the core's subset order.
template <class F>
void ForEachSubset(Mask m, int k, F&& f) {
    int pts[64];
    int n = 0;
    while (m) {
        pts[n++] = std::countr_zero(m);
        m &= m - 1;
    }
    kombora::ForEachSubset(n, k, [&](std::span<const int> positions) {
        Mask s = 0;
        for (const int i : positions) s |= Mask{1} << pts[i];
        f(s);
    });
}

// Random point of a non-empty mask.
inline int RandomPoint(Mask m, std::mt19937_64& rng) {
    int n = Popcount(m);
    int pick = static_cast<int>(rng() % static_cast<uint64_t>(n));
    while (pick-- > 0) m &= m - 1;
    return std::countr_zero(m);
}

inline Mask FullMask(int v) {
    return v >= 64 ? ~Mask{0} : (Mask{1} << v) - 1;
}

}  // namespace designgen
