#include "evaluation/draws.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "catalogue/binomial.h"

namespace kombora {
namespace {

constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

int64_t SaturatingAdd(int64_t a, int64_t b) {
    return a > kMax64 - b ? kMax64 : a + b;
}

int64_t SaturatingMultiply(int64_t a, int64_t b) {
    if (a == 0 || b == 0) return 0;
    return a > kMax64 / b ? kMax64 : a * b;
}

}  // namespace

// Draws are subsets of 1..n: position p stands for number p + 1.
DrawEnumerator::DrawEnumerator(int n, int k) : walk_(n, k >= 1 && k <= 10 ? k : -1) {}

bool DrawEnumerator::Next() {
    return walk_.Next();
}

NumberSet DrawEnumerator::Set() const {
    NumberSet set;
    for (const int position : walk_.Positions()) set.Add(position + 1);
    return set;
}

void EnumerateDraws(int n, int k, std::vector<NumberSet>& comboSets) {
    comboSets.clear();
    if (k < 2 || k > 10 || k > n) return;
    const int64_t count = Binomial(n, k);
    if (count > std::numeric_limits<int32_t>::max()) {
        throw std::length_error("the list of all draws of " + std::to_string(k) + " out of " +
                                std::to_string(n) + " numbers is too long to be held");
    }
    comboSets.reserve(static_cast<std::size_t>(count));
    DrawEnumerator draws(n, k);
    while (draws.Next()) comboSets.push_back(draws.Set());
}

int64_t DrawTotal(int n, int lastHitCount, int firstHitCount) {
    int64_t total = 0;
    // Coefficients outside 0..n are 0.
    const int first = firstHitCount < 0 ? 0 : firstHitCount;
    const int last = lastHitCount > n ? n : lastHitCount;
    for (int k = first; k <= last; ++k) total = SaturatingAdd(total, Binomial(n, k));
    return total;
}

int64_t CalculationCount(int64_t rowCount, int poolSize, int rowSize, int lowerBound) {
    if (rowCount <= 0) return 0;
    return SaturatingMultiply(rowCount, DrawTotal(poolSize, rowSize, lowerBound));
}

}  // namespace kombora
