#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/subsets.h"
#include "rows/number_set.h"

namespace kombora {

// Produces the k-element subsets of 1..n one at a time in lexicographic order: {1..k} first,
// {n-k+1..n} last. Works for 1 <= k <= 10 and k <= n; any other pair produces nothing.
class DrawEnumerator {
  public:
    DrawEnumerator(int n, int k);

    // Moves to the next draw; false once every draw has been produced.
    bool Next();

    int size() const { return walk_.size(); }
    int operator[](int i) const { return walk_[i] + 1; }
    NumberSet Set() const;

  private:
    SubsetWalk walk_;
};

// All k-element subsets of 1..n in lexicographic order, one NumberSet each, for 2 <= k <= 10.
// For any other k the list is empty. The list has C(n, k) entries; a length that no list can
// hold (more than 2^31 entries) throws std::length_error.
void EnumerateDraws(int n, int k, std::vector<NumberSet>& comboSets);

// Sum of C(n, k) for k = firstHitCount..lastHitCount: the draws a run takes up; 0 for an
// empty range. Saturates at INT64_MAX.
int64_t DrawTotal(int n, int lastHitCount, int firstHitCount);

// The row comparisons of a test: rowCount times the sum of C(poolSize, j) for
// j = lowerBound..rowSize; 0 when rowSize < lowerBound. Saturates at INT64_MAX.
int64_t CalculationCount(int64_t rowCount, int poolSize, int rowSize, int lowerBound);

}  // namespace kombora
