#pragma once

// Fixed-size local search for covering designs C(v, k, t): with a given number of rows, lower
// the number of t-sets no row holds until none is left. A move takes a t-set T no row holds
// and a row holding t - 1 of its numbers, and exchanges a number of the row outside T for the
// missing number of T; the change of cost is computed from per-t-set cover counts.
//
// Two drivers: simulated annealing, restarted from a fresh greedy set of rows after every
// cooling (suits t <= 3 and short rows), and tabu search, which takes the best allowed move
// even when it raises the cost and keeps a number out of a row for a while after it left
// (suits t >= 4 and long rows). Nothing here keeps state between calls: a caller passes a
// stop flag and gets the progress through a callback.

#include <atomic>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "combinatorics.h"

namespace designgen {

// The rows of a covering design together with how often each t-set is held by a row.
class CoveringState {
  public:
    CoveringState(int v, int k, int t);

    int V() const { return v_; }
    int K() const { return k_; }
    int T() const { return t_; }
    int64_t Cost() const { return static_cast<int64_t>(uncovered_.size()); }
    const std::vector<Mask>& Rows() const { return rows_; }

    void SetRows(const std::vector<Mask>& rows);
    void AddRow(Mask row);
    void RemoveRow(int i);  // moves the last row into place i
    // Replaces number `out` of row `i` by `in`; returns the change of cost.
    int64_t Swap(int i, int out, int in);
    // The change of cost that Swap(i, out, in) would make, for every `out` of row i at once:
    // delta[out] is filled for each number of the row.
    void SwapDeltas(int i, int in, int* delta) const;
    // A t-set no row holds, chosen at random; Cost() must be positive.
    Mask RandomUncovered(std::mt19937_64& rng) const;
    // New t-sets a row would hold if added.
    int Gain(Mask row) const;
    // t-sets held by row i alone.
    int Loss(int i) const;

  private:
    uint32_t Rank(Mask m) const;

    int v_, k_, t_;
    std::vector<uint16_t> count_;  // rows holding each t-set, by colex rank
    std::vector<Mask> sets_;       // each t-set by rank
    std::vector<uint32_t> uncovered_;
    std::vector<int32_t> place_;  // place of each t-set in uncovered_, -1 when held
    std::vector<Mask> rows_;
};

enum class LocalMethod { kAnneal, kTabu };

// The method that suits a parameter set: annealing for t <= 3 with rows up to 6, else tabu.
LocalMethod PreferredMethod(int v, int k, int t);

struct LocalSearchOptions {
    uint64_t seed = 1;
    double maxSeconds = 60;                   // for the whole call
    const std::atomic<bool>* stop = nullptr;  // checked often; stops within milliseconds
    LocalMethod method = LocalMethod::kAnneal;
    // Annealing: moves per temperature step = stepFactor * b * k * (v - k); cooling 0.999 per
    // step, from where about 13 % of the moves are taken down to about 0.5 %.
    double stepFactor = 1.0;
    double startTemperature = 0;  // 0: where about 13 % of the moves are taken
    double endRatio = 0.25;       // an anneal ends at this part of its start temperature
    // Tabu: a number that left a row stays out of it for tenure + a random part moves; a
    // restart after restartAfter moves without a new least cost (0: chosen from the size).
    int tenure = 10;
    int64_t restartAfter = 0;
};

struct LocalSearchResult {
    std::vector<Mask> rows;  // a valid design with the asked number of rows, or empty
    int64_t bestCost = -1;   // least number of uncovered t-sets reached
    int64_t moves = 0;
    int restarts = 0;
};

// Searches a C(v, k, t) with exactly `rows` rows. `start` (may be empty or of another size:
// rows are dropped, least useful first, or added greedily) is where the first attempt begins;
// later attempts begin from fresh greedy (annealing) or random (tabu) rows.
LocalSearchResult SearchFixedSize(int v, int k, int t, int rows, const std::vector<Mask>& start,
                                  const LocalSearchOptions& options);

// Rows whose loss hurts least dropped from `rows` until `count` are left.
std::vector<Mask> DropLeastUseful(int v, int k, int t, std::vector<Mask> rows, int count,
                                  std::mt19937_64& rng);

// Progress of a descent: called with each valid design of a new smallest size.
using FoundDesign = std::function<void(const std::vector<Mask>&)>;

struct DescentResult {
    std::vector<Mask> best;  // the smallest valid design found (empty: none below the start)
    int lastTried = 0;       // the row count of the last size searched without success
    int64_t lastCost = -1;   // least uncovered t-sets reached at that size
};

// Called after each fixed-size search of a descent: the row count, whether a design was found,
// the least number of uncovered t-sets reached and the seconds it took.
using AttemptReport = std::function<void(int rows, bool found, int64_t cost, double seconds)>;

// From a valid design, searches smaller designs down to `minRows` until the time is used up:
// first straight at `minRows`, then halfway between the last row count searched in vain and
// the smallest design found, at last one row below that design with all the time left. Each
// search starts from the smallest design found minus its least useful rows.
DescentResult Descend(int v, int k, int t, const std::vector<Mask>& design, int minRows,
                      const LocalSearchOptions& options, const FoundDesign& found,
                      const AttemptReport& attempt = {});

}  // namespace designgen
