#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace kombora {

inline constexpr int kMinHitCount = 2;
inline constexpr int kMaxHitCount = 10;

// For each hit count k (2..10) and number of matches m (1..10): how many draws of k numbers
// leave the best row with exactly m matches. Draws without any match are not counted.
// The counts are 64-bit: a pool of 100 numbers has more than 2^31 draws of 6.
class HitTally {
  public:
    int64_t& operator()(int k, int m) { return counts_[Index(k, m)]; }
    int64_t operator()(int k, int m) const {
        const std::size_t i = Index(k, m);
        return i == 0 ? 0 : counts_[i];
    }
    void Clear() { counts_ = {}; }

    friend bool operator==(const HitTally& a, const HitTally& b) {
        return std::equal(a.counts_.begin() + 1, a.counts_.end(), b.counts_.begin() + 1);
    }

  private:
    static std::size_t Index(int k, int m) {
        // Out-of-range indexes land on a spare cell (index 0) instead of writing elsewhere.
        if (k < kMinHitCount || k > kMaxHitCount || m < 1 || m > kMaxHitCount) return 0;
        return static_cast<std::size_t>((k - kMinHitCount) * kMaxHitCount + m);
    }
    std::array<int64_t, 1 + 9 * 10> counts_{};
};

// Where a hit count stands after a run.
enum class HitCountState : uint8_t {
    NotEvaluated,   // outside the run's range: its grid rows stay empty
    DrawCountOnly,  // a full-system run stopped here: only the draw count is shown
    Complete,       // every draw counted
    Partial,        // the run was stopped while this hit count was counted
    Skipped,        // the run was stopped before this hit count: draw count and "---"
};

// What a run of the hit evaluation leaves.
struct EvaluationResult {
    int wz = 0;
    int firstHitCount = kMinHitCount;
    int lastHitCount = kMinHitCount - 1;  // an empty range by default
    HitTally tally;
    std::array<HitCountState, kMaxHitCount + 1> state{};  // index k
    int64_t drawTotal = 0;                                // draws of the whole range
    int64_t drawsDone = 0;  // draws counted (with and without a match)
    bool stopped = false;   // some hit count of the range was not finished

    HitCountState StateOf(int k) const {
        return k >= 0 && k <= kMaxHitCount ? state[static_cast<std::size_t>(k)]
                                           : HitCountState::NotEvaluated;
    }
};

}  // namespace kombora
