#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "catalogue/design_check.h"
#include "combinatorics.h"

namespace designgen {

// What a design must do: rows of k points out of v, keeping every guarantee.
struct Problem {
    int v = 0;
    int k = 0;
    std::vector<kombora::DrawGuarantee> guarantees;
};

// The rows of a design together with, per guarantee, which targets (the t-sets of a covering,
// the p-sets of a lotto guarantee) no row meets yet; changed one point at a time.
class CoverState {
  public:
    CoverState(const Problem& problem, std::vector<Mask> blocks);

    int64_t Cost() const { return cost_; }
    const std::vector<Mask>& Blocks() const { return blocks_; }

    // Replaces point `out` of block `i` by point `in`.
    void Swap(int i, int out, int in);
    void AddBlock(Mask b);
    void RemoveBlock(int i);  // moves the last block into place i
    // A target no row meets yet, chosen at random; Cost() must be positive.
    Mask RandomUncovered(std::mt19937_64& rng, int& matches) const;
    // Targets the block set would lose without block i.
    int64_t LossWithout(int i);
    // Number of uncovered t-sets of guarantee 0 inside `m` that contain point `p`.
    int GainOf(Mask m, int p) const;

  private:
    struct Condition {
        int p = 0;
        int t = 0;
        std::vector<uint16_t> cnt;  // rows holding each t-set
        std::vector<uint16_t> hit;  // covered t-subsets of each p-set (p > t)
        std::vector<Mask> targets;  // mask of each target by rank
        std::vector<uint32_t> unc;  // ranks of the targets no row meets
        std::vector<int32_t> pos;   // place of each target in unc, -1 if met
    };
    void Update(Condition& c, Mask s, int delta);
    void MarkMet(Condition& c, uint32_t r);
    void MarkUnmet(Condition& c, uint32_t r);
    void Apply(Mask b, int delta);

    Problem problem_;
    Mask full_;
    std::vector<Mask> blocks_;
    std::vector<Condition> conditions_;
    int64_t cost_ = 0;
};

struct SearchOptions {
    uint64_t seed = 1;
    int64_t maxMoves = 2'000'000;  // budget of the whole call
    double maxSeconds = 1e9;       // a second limit for long runs
    int minBlocks = 1;             // never try fewer rows
    const std::atomic<bool>* stop = nullptr;
    double t0 = 0.6;               // temperature at the start of a cooling cycle
    double t1 = 0.04;              // temperature at its end
    int64_t cycle = 0;             // moves per cooling cycle; 0: chosen from the problem size
    int64_t* leastCost = nullptr;  // when given: the least cost reached without success
};

// Simulated annealing from `start` (valid or not): finds a design with start.size() rows,
// then drops a row and searches again, as long as the budget lasts. Calls `found` with every
// valid design of a new smallest size. Returns the smallest valid design found (empty when
// none was found).
std::vector<Mask> AnnealAndShrink(const Problem& problem, std::vector<Mask> start,
                                  const SearchOptions& options,
                                  const std::function<void(const std::vector<Mask>&)>& found);

// Simulated annealing over `baseBlocks` base rows developed under the cyclic group Z_n on the
// points 0..n-1 (the points n..v-1 stay fixed), together with `freeRows` rows searched one by
// one. Returns the distinct rows of a valid design, or an empty list when none was found within
// the budget.
std::vector<Mask> AnnealCyclic(const Problem& problem, int n, int baseBlocks, int freeRows,
                               const SearchOptions& options);

// A valid design built row by row: each row starts from a target no row meets yet and takes
// the points that meet most further targets.
std::vector<Mask> GreedyDesign(const Problem& problem, std::mt19937_64& rng);

// Random rows of k points.
std::vector<Mask> RandomBlocks(int v, int k, int count, std::mt19937_64& rng);

// True when the rows keep every guarantee of the problem.
bool IsValid(const Problem& problem, const std::vector<Mask>& blocks);

// Lower bound on the rows: the Schönheim bound of the strongest covering guarantee.
int LowerBound(const Problem& problem);

}  // namespace designgen
