#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <type_traits>

namespace kombora {

// The largest subsets a walk produces: the 64 points of the design tools' bit masks.
inline constexpr int kMaxSubsetSize = 64;

// Walks the k-element subsets of the positions 0..n-1 one at a time, in lexicographic order of
// their ascending positions: {0, …, k-1} first, {n-k, …, n-1} last. For 0 <= k <= n and
// k <= kMaxSubsetSize (k == 0 gives the one empty subset); any other pair gives nothing. The
// one enumeration of subsets in the program: draws, full systems and the design tools use it.
class SubsetWalk {
  public:
    SubsetWalk(int n, int k) : n_(n), k_(k), valid_(k >= 0 && k <= n && k <= kMaxSubsetSize) {
        if (!valid_) k_ = 0;
        for (int i = 0; i < k_; ++i) positions_[static_cast<std::size_t>(i)] = i;
    }

    // Moves to the next subset (to the first on the first call); false once every subset has
    // been produced.
    bool Next() {
        if (!valid_) return false;
        if (!started_) {
            started_ = true;
            return true;
        }
        // The rightmost position that can still grow grows; the ones after it follow closely.
        int i = k_ - 1;
        while (i >= 0 && positions_[static_cast<std::size_t>(i)] == n_ - k_ + i) --i;
        if (i < 0) {
            valid_ = false;
            return false;
        }
        ++positions_[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k_; ++j) {
            positions_[static_cast<std::size_t>(j)] =
                positions_[static_cast<std::size_t>(j - 1)] + 1;
        }
        return true;
    }

    int size() const { return k_; }
    // Position i (0-based, ascending) of the current subset.
    int operator[](int i) const { return positions_[static_cast<std::size_t>(i)]; }
    std::span<const int> Positions() const {
        return {positions_.data(), static_cast<std::size_t>(k_)};
    }

  private:
    int n_;
    int k_;
    bool valid_;
    bool started_ = false;
    std::array<int, kMaxSubsetSize> positions_{};
};

// Calls visit(positions) for every k-subset of 0..n-1 in the order of SubsetWalk, with the
// ascending positions as a std::span<const int>. A visit that returns bool ends the walk by
// returning false.
template <class Visit>
void ForEachSubset(int n, int k, Visit&& visit) {
    SubsetWalk walk(n, k);
    while (walk.Next()) {
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, std::span<const int>>, bool>) {
            if (!visit(walk.Positions())) return;
        } else {
            visit(walk.Positions());
        }
    }
}

}  // namespace kombora
