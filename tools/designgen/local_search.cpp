#include "local_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace designgen {

namespace {

// Binomial coefficients C(n, j) for n <= 64 and j <= 15 as 32-bit numbers (colex ranks of
// t-sets fit whenever the t-sets are few enough to search).
struct SmallBinomials {
    uint32_t c[65][16];
    SmallBinomials() {
        for (int n = 0; n <= 64; ++n) {
            for (int j = 0; j < 16; ++j) c[n][j] = static_cast<uint32_t>(Binom()(n, j));
        }
    }
};
const SmallBinomials& SmallBinom() {
    static const SmallBinomials b;
    return b;
}

int Points(Mask m, int* pts) {
    int n = 0;
    for (; m; m &= m - 1) pts[n++] = std::countr_zero(m);
    return n;
}

// Calls f(rank, chosen) for every r-subset of the ascending points pts[0..n-1], where rank
// is the colex rank of the subset together with x (x < 0: the subset alone) and chosen holds
// the subset's points in ascending order. Partial sums keep the cost per subset low.
template <class F>
void ForEachRank(const int* pts, int n, int r, int x, F&& f) {
    const auto& c = SmallBinom().c;
    if (r > n) return;
    int idx[16];
    int chosen[16];
    uint32_t partial[17];
    // Points above x move one place up in the subset with x.
    auto weight = [&](int q, int slot) { return c[q][slot + 1 + (x >= 0 && q > x ? 1 : 0)]; };
    auto withX = [&](uint32_t sum) {
        if (x < 0) return sum;
        int m = 0;
        while (m < r && chosen[m] < x) ++m;
        return sum + c[x][m + 1];
    };
    if (r == 0) {
        f(withX(0), chosen);
        return;
    }
    partial[0] = 0;
    for (int i = 0; i < r; ++i) {
        idx[i] = i;
        chosen[i] = pts[i];
        partial[i + 1] = partial[i] + weight(pts[i], i);
    }
    while (true) {
        f(withX(partial[r]), chosen);
        int i = r - 1;
        while (i >= 0 && idx[i] == n - r + i) --i;
        if (i < 0) return;
        ++idx[i];
        chosen[i] = pts[idx[i]];
        partial[i + 1] = partial[i] + weight(chosen[i], i);
        for (int j = i + 1; j < r; ++j) {
            idx[j] = idx[j - 1] + 1;
            chosen[j] = pts[idx[j]];
            partial[j + 1] = partial[j] + weight(chosen[j], j);
        }
    }
}

}  // namespace

CoveringState::CoveringState(int v, int k, int t) : v_(v), k_(k), t_(t) {
    if (t < 1 || k < t || v < k || v > 64)
        throw std::invalid_argument("need 1 <= t <= k <= v <= 64");
    const uint64_t n = Binom()(v, t);
    if (t > 14 || k > 15 || n > 20'000'000)
        throw std::invalid_argument("too many t-sets to search");
    count_.assign(n, 0);
    sets_ = AllSubsets(v, t);
    uncovered_.resize(n);
    place_.resize(n);
    for (uint32_t r = 0; r < n; ++r) {
        uncovered_[r] = r;
        place_[r] = static_cast<int32_t>(r);
    }
}

uint32_t CoveringState::Rank(Mask m) const {
    return RankOf(m);
}

void CoveringState::SetRows(const std::vector<Mask>& rows) {
    std::fill(count_.begin(), count_.end(), 0);
    uncovered_.resize(count_.size());
    for (uint32_t r = 0; r < count_.size(); ++r) {
        uncovered_[r] = r;
        place_[r] = static_cast<int32_t>(r);
    }
    rows_.clear();
    for (Mask m : rows) AddRow(m);
}

void CoveringState::AddRow(Mask row) {
    rows_.push_back(row);
    ForEachSubset(row, t_, [&](Mask s) {
        const uint32_t r = Rank(s);
        if (count_[r]++ == 0) {
            const int32_t at = place_[r];
            const uint32_t last = uncovered_.back();
            uncovered_[static_cast<std::size_t>(at)] = last;
            place_[last] = at;
            uncovered_.pop_back();
            place_[r] = -1;
        }
    });
}

void CoveringState::RemoveRow(int i) {
    const Mask row = rows_[static_cast<std::size_t>(i)];
    ForEachSubset(row, t_, [&](Mask s) {
        const uint32_t r = Rank(s);
        if (--count_[r] == 0) {
            place_[r] = static_cast<int32_t>(uncovered_.size());
            uncovered_.push_back(r);
        }
    });
    rows_[static_cast<std::size_t>(i)] = rows_.back();
    rows_.pop_back();
}

int64_t CoveringState::Swap(int i, int out, int in) {
    Mask& row = rows_[static_cast<std::size_t>(i)];
    const Mask rest = row & ~(Mask{1} << out);
    int pts[64];
    const int n = Points(rest, pts);
    int64_t delta = 0;
    ForEachRank(pts, n, t_ - 1, in, [&](uint32_t r, const int*) {
        if (count_[r]++ == 0) {
            const int32_t at = place_[r];
            const uint32_t last = uncovered_.back();
            uncovered_[static_cast<std::size_t>(at)] = last;
            place_[last] = at;
            uncovered_.pop_back();
            place_[r] = -1;
            --delta;
        }
    });
    ForEachRank(pts, n, t_ - 1, out, [&](uint32_t q, const int*) {
        if (--count_[q] == 0) {
            place_[q] = static_cast<int32_t>(uncovered_.size());
            uncovered_.push_back(q);
            ++delta;
        }
    });
    row = rest | (Mask{1} << in);
    return delta;
}

void CoveringState::SwapDeltas(int i, int in, int* delta) const {
    const Mask row = rows_[static_cast<std::size_t>(i)];
    int pts[64];
    const int n = Points(row, pts);
    int total = 0;
    int inside[64] = {};
    int loss[64] = {};
    // t-sets the new number would bring: (t-1)-subsets S of the row with S + in held by none;
    // they stay new unless `out` lies in S.
    ForEachRank(pts, n, t_ - 1, in, [&](uint32_t r, const int* s) {
        if (count_[r] != 0) return;
        ++total;
        for (int j = 0; j < t_ - 1; ++j) ++inside[s[j]];
    });
    // t-sets of the row held by it alone are lost with any of their numbers.
    ForEachRank(pts, n, t_, -1, [&](uint32_t r, const int* s) {
        if (count_[r] != 1) return;
        for (int j = 0; j < t_; ++j) ++loss[s[j]];
    });
    for (int j = 0; j < n; ++j) delta[pts[j]] = loss[pts[j]] - (total - inside[pts[j]]);
}

Mask CoveringState::RandomUncovered(std::mt19937_64& rng) const {
    return sets_[uncovered_[rng() % uncovered_.size()]];
}

int CoveringState::Gain(Mask row) const {
    int pts[64];
    const int n = Points(row, pts);
    int gain = 0;
    ForEachRank(pts, n, t_, -1, [&](uint32_t r, const int*) {
        if (count_[r] == 0) ++gain;
    });
    return gain;
}

int CoveringState::Loss(int i) const {
    int pts[64];
    const int n = Points(rows_[static_cast<std::size_t>(i)], pts);
    int loss = 0;
    ForEachRank(pts, n, t_, -1, [&](uint32_t r, const int*) {
        if (count_[r] == 1) ++loss;
    });
    return loss;
}

LocalMethod PreferredMethod(int v, int k, int t) {
    (void)v;
    return t <= 3 && k <= 6 ? LocalMethod::kAnneal : LocalMethod::kTabu;
}

namespace {

Mask RandomRow(int v, int k, std::mt19937_64& rng) {
    Mask m = 0;
    while (Popcount(m) < k) m |= Mask{1} << (rng() % static_cast<uint64_t>(v));
    return m;
}

// Adds `count` rows, each the best of about 100 random rows.
void AddGreedyRows(CoveringState& s, int count, std::mt19937_64& rng) {
    for (int j = 0; j < count; ++j) {
        Mask best = 0;
        int bestGain = -1;
        for (int c = 0; c < 100; ++c) {
            const Mask m = RandomRow(s.V(), s.K(), rng);
            const int g = s.Gain(m);
            if (g > bestGain) {
                bestGain = g;
                best = m;
            }
        }
        s.AddRow(best);
    }
}

void DropRows(CoveringState& s, int count, std::mt19937_64& rng) {
    while (static_cast<int>(s.Rows().size()) > count) {
        int worst = 0;
        int least = std::numeric_limits<int>::max();
        int ties = 0;
        for (int i = 0; i < static_cast<int>(s.Rows().size()); ++i) {
            const int loss = s.Loss(i);
            if (loss < least) {
                least = loss;
                worst = i;
                ties = 1;
            } else if (loss == least && rng() % static_cast<uint64_t>(++ties) == 0) {
                worst = i;
            }
        }
        s.RemoveRow(worst);
    }
}

// Sets the state to `start` brought to `rows` rows.
void StartFrom(CoveringState& s, const std::vector<Mask>& start, int rows, std::mt19937_64& rng) {
    s.SetRows(start);
    DropRows(s, rows, rng);
    AddGreedyRows(s, rows - static_cast<int>(s.Rows().size()), rng);
}

// A row with the most numbers of `target` (t - 1 of them: the target is held by none),
// chosen at random among equals.
int RowMeeting(const std::vector<Mask>& rows, Mask target, std::mt19937_64& rng) {
    int chosen = -1, most = -1;
    uint64_t ties = 0;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const int meet = Popcount(rows[static_cast<std::size_t>(i)] & target);
        if (meet > most) {
            most = meet;
            chosen = i;
            ties = 1;
        } else if (meet == most && rng() % ++ties == 0) {
            chosen = i;
        }
    }
    return chosen;
}

class Clock {
  public:
    explicit Clock(const LocalSearchOptions& o) : o_(o), began_(std::chrono::steady_clock::now()) {}
    bool Over() const {
        if (o_.stop && o_.stop->load(std::memory_order_relaxed)) return true;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began_).count() >
               o_.maxSeconds;
    }

  private:
    const LocalSearchOptions& o_;
    std::chrono::steady_clock::time_point began_;
};

class Annealer {
  public:
    Annealer(CoveringState& s, std::mt19937_64& rng) : s_(s), rng_(rng) {}

    // One move at temperature `temp`; true when it was taken.
    bool Move(double temp) {
        const Mask target = s_.RandomUncovered(rng_);
        const int i = RowMeeting(s_.Rows(), target, rng_);
        const Mask row = s_.Rows()[static_cast<std::size_t>(i)];
        const int in = RandomPoint(target & ~row, rng_);
        const int out = RandomPoint(row & ~target, rng_);
        const int64_t delta = s_.Swap(i, out, in);
        if (delta <= 0) return true;
        if (unit_(rng_) < std::exp(-static_cast<double>(delta) / temp)) return true;
        s_.Swap(i, in, out);
        return false;
    }

  private:
    CoveringState& s_;
    std::mt19937_64& rng_;
    std::uniform_real_distribution<double> unit_{0.0, 1.0};
};

LocalSearchResult Anneal(int v, int k, int t, int rows, const std::vector<Mask>& start,
                         const LocalSearchOptions& o) {
    LocalSearchResult result;
    std::mt19937_64 rng(o.seed);
    Clock clock(o);
    CoveringState s(v, k, t);
    const int64_t step =
        std::max<int64_t>(1000, static_cast<int64_t>(o.stepFactor * rows * k * (v - k)));
    // The temperature at which about 13 % of the moves from a fresh greedy start are taken.
    double t0 = std::max(0.3, static_cast<double>(Binom()(k - 1, t - 1)) / 20.0);
    if (o.startTemperature > 0) {
        t0 = o.startTemperature;
    } else {
        s.SetRows({});
        AddGreedyRows(s, rows, rng);
        Annealer a(s, rng);
        const int64_t sample = std::min<int64_t>(step, 40'000);
        for (int round = 0; round < 14 && s.Cost() > 0; ++round) {
            int64_t taken = 0, n = 0;
            for (; n < sample && s.Cost() > 0; ++n) taken += a.Move(t0) ? 1 : 0;
            result.moves += n;
            const double rate = n ? static_cast<double>(taken) / static_cast<double>(n) : 1.0;
            if (rate < 0.10)
                t0 *= 1.4;
            else if (rate > 0.16)
                t0 /= 1.4;
            else
                break;
        }
    }
    bool first = true;
    result.bestCost = std::numeric_limits<int64_t>::max();
    while (true) {
        double temp = t0;
        if (first && !start.empty()) {
            StartFrom(s, start, rows, rng);
            temp = t0 * 0.5;
        } else {
            s.SetRows({});
            AddGreedyRows(s, rows, rng);
            if (!first) ++result.restarts;
        }
        first = false;
        Annealer a(s, rng);
        int frozen = 0;
        for (int steps = 0;; ++steps) {
            int64_t taken = 0;
            for (int64_t n = 0; n < step; ++n) {
                if (s.Cost() == 0) {
                    result.bestCost = 0;
                    result.rows = s.Rows();
                    return result;
                }
                taken += a.Move(temp) ? 1 : 0;
                result.bestCost = std::min(result.bestCost, s.Cost());
                if ((n & 1023) == 0 && clock.Over()) {
                    result.moves += n;
                    return result;
                }
            }
            result.moves += step;
            temp *= 0.999;
            const double rate = static_cast<double>(taken) / static_cast<double>(step);
            frozen = rate < 0.005 ? frozen + 1 : 0;
            if (frozen >= 50 || temp < t0 * o.endRatio) break;
        }
    }
}

LocalSearchResult Tabu(int v, int k, int t, int rows, const std::vector<Mask>& start,
                       const LocalSearchOptions& o) {
    LocalSearchResult result;
    std::mt19937_64 rng(o.seed);
    Clock clock(o);
    CoveringState s(v, k, t);
    const int64_t restartAfter =
        o.restartAfter > 0
            ? o.restartAfter
            : std::max<int64_t>(200'000, 10 * static_cast<int64_t>(rows) * k * (v - k));
    // Which tenure suits a parameter set is hard to foresee: the restarts try several.
    static const int kTenures[] = {3, 10, 6, 15};
    int tenure = o.tenure;
    std::vector<int64_t> until(static_cast<std::size_t>(rows) * static_cast<std::size_t>(v), 0);
    result.bestCost = std::numeric_limits<int64_t>::max();
    bool first = true;
    int delta[64];
    while (true) {
        if (first && !start.empty()) {
            StartFrom(s, start, rows, rng);
        } else {
            std::vector<Mask> random;
            for (int j = 0; j < rows; ++j) random.push_back(RandomRow(v, k, rng));
            s.SetRows(random);
            if (!first) {
                tenure = kTenures[result.restarts % 4];
                ++result.restarts;
            }
        }
        first = false;
        std::fill(until.begin(), until.end(), 0);
        int64_t runBest = s.Cost();
        int64_t lastGain = 0;
        for (int64_t iter = 1;; ++iter) {
            if (s.Cost() == 0) {
                result.bestCost = 0;
                result.rows = s.Rows();
                result.moves += iter;
                return result;
            }
            if ((iter & 255) == 0 && clock.Over()) {
                result.moves += iter;
                return result;
            }
            if (iter - lastGain > restartAfter) {
                result.moves += iter;
                break;
            }
            const Mask target = s.RandomUncovered(rng);
            const auto& rs = s.Rows();
            int bestRow = -1, bestOut = -1, bestIn = -1;
            int bestDelta = std::numeric_limits<int>::max();
            uint64_t ties = 0;
            for (int i = 0; i < rows; ++i) {
                const Mask row = rs[static_cast<std::size_t>(i)];
                const Mask missing = target & ~row;
                if (Popcount(missing) != 1) continue;
                const int in = std::countr_zero(missing);
                s.SwapDeltas(i, in, delta);
                const bool tabu = until[static_cast<std::size_t>(i * v + in)] > iter;
                for (Mask m = row & ~target; m; m &= m - 1) {
                    const int out = std::countr_zero(m);
                    const int d = delta[out];
                    if (tabu && s.Cost() + d >= runBest) continue;
                    if (d < bestDelta) {
                        bestDelta = d;
                        bestRow = i;
                        bestOut = out;
                        bestIn = in;
                        ties = 1;
                    } else if (d == bestDelta && rng() % ++ties == 0) {
                        bestRow = i;
                        bestOut = out;
                        bestIn = in;
                    }
                }
            }
            if (bestRow < 0) {
                // Every move is tabu or no row holds t - 1 numbers of the target: a random one.
                bestRow = RowMeeting(rs, target, rng);
                const Mask row = rs[static_cast<std::size_t>(bestRow)];
                bestIn = RandomPoint(target & ~row, rng);
                bestOut = RandomPoint(row & ~target, rng);
            }
            s.Swap(bestRow, bestOut, bestIn);
            until[static_cast<std::size_t>(bestRow * v + bestOut)] =
                iter + tenure + static_cast<int64_t>(rng() % static_cast<uint64_t>(tenure / 2 + 1));
            if (s.Cost() < runBest) {
                runBest = s.Cost();
                lastGain = iter;
                result.bestCost = std::min(result.bestCost, runBest);
            }
        }
    }
}

}  // namespace

LocalSearchResult SearchFixedSize(int v, int k, int t, int rows, const std::vector<Mask>& start,
                                  const LocalSearchOptions& options) {
    if (rows < 1) return {};
    return options.method == LocalMethod::kAnneal ? Anneal(v, k, t, rows, start, options)
                                                  : Tabu(v, k, t, rows, start, options);
}

std::vector<Mask> DropLeastUseful(int v, int k, int t, std::vector<Mask> rows, int count,
                                  std::mt19937_64& rng) {
    CoveringState s(v, k, t);
    s.SetRows(rows);
    DropRows(s, count, rng);
    return s.Rows();
}

DescentResult Descend(int v, int k, int t, const std::vector<Mask>& design, int minRows,
                      const LocalSearchOptions& options, const FoundDesign& found,
                      const AttemptReport& attempt) {
    DescentResult out;
    std::vector<Mask> current = design;
    const auto began = std::chrono::steady_clock::now();
    std::mt19937_64 rng(options.seed);
    int failedAt = minRows - 1;  // the largest row count searched in vain so far
    while (static_cast<int>(current.size()) - 1 >= minRows) {
        const double used =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
        const double left = options.maxSeconds - used;
        if (left <= 0 || (options.stop && options.stop->load())) break;
        const int top = static_cast<int>(current.size()) - 1;
        // First straight at the floor, then halfway between the last failure and success;
        // the size just below the best design gets all the time that is left.
        int size = failedAt < minRows ? minRows : (failedAt + 1 + top + 1) / 2;
        size = std::min(std::max(size, failedAt + 1), top);
        LocalSearchOptions o = options;
        o.seed = rng();
        o.maxSeconds = size == top ? left : std::max(std::min(left, 15.0), left / 4);
        const auto attemptBegan = std::chrono::steady_clock::now();
        auto res = SearchFixedSize(v, k, t, size, current, o);
        if (attempt) {
            attempt(size, !res.rows.empty(), res.bestCost,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - attemptBegan)
                        .count());
        }
        if (res.rows.empty()) {
            failedAt = size;
            if (size == top) {
                out.lastTried = size;
                out.lastCost = res.bestCost;
            }
            continue;
        }
        current = res.rows;
        out.best = current;
        if (found) found(current);
    }
    return out;
}

}  // namespace designgen
