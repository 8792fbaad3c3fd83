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

DrawEnumerator::DrawEnumerator(int n, int k) : n_(n), k_(k), valid_(k >= 1 && k <= 10 && k <= n) {
    if (!valid_) k_ = 0;
    for (int i = 0; i < k_; ++i) numbers_[static_cast<std::size_t>(i)] = i + 1;
}

bool DrawEnumerator::Next() {
    if (!valid_) return false;
    if (!started_) {
        started_ = true;
        return true;
    }
    // The rightmost element that can still grow grows; the ones after it follow it closely.
    int i = k_ - 1;
    while (i >= 0 && numbers_[static_cast<std::size_t>(i)] == n_ - k_ + 1 + i) --i;
    if (i < 0) {
        valid_ = false;
        return false;
    }
    ++numbers_[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < k_; ++j) {
        numbers_[static_cast<std::size_t>(j)] = numbers_[static_cast<std::size_t>(j - 1)] + 1;
    }
    return true;
}

NumberSet DrawEnumerator::Set() const {
    NumberSet set;
    for (int i = 0; i < k_; ++i) set.Add(numbers_[static_cast<std::size_t>(i)]);
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
