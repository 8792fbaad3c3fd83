#include "search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>

#include "catalogue/builtin_guarantees.h"

namespace designgen {

CoverState::CoverState(const Problem& problem, std::vector<Mask> blocks)
    : problem_(problem), full_(FullMask(problem.v)) {
    const Binomials& b = Binom();
    for (const auto& g : problem.guarantees) {
        Condition c;
        c.p = g.drawn;
        c.t = g.matches;
        if (b(problem.v, c.p) > 8'000'000) throw std::runtime_error("problem too large to search");
        c.cnt.assign(b(problem.v, c.t), 0);
        if (c.p > c.t) c.hit.assign(b(problem.v, c.p), 0);
        c.targets = AllSubsets(problem.v, c.p);
        c.unc.resize(c.targets.size());
        c.pos.resize(c.targets.size());
        for (uint32_t r = 0; r < c.targets.size(); ++r) {
            c.unc[r] = r;
            c.pos[r] = static_cast<int32_t>(r);
        }
        cost_ += static_cast<int64_t>(c.targets.size());
        conditions_.push_back(std::move(c));
    }
    for (Mask m : blocks) AddBlock(m);
}

void CoverState::MarkMet(Condition& c, uint32_t r) {
    const int32_t at = c.pos[r];
    const uint32_t last = c.unc.back();
    c.unc[static_cast<std::size_t>(at)] = last;
    c.pos[last] = at;
    c.unc.pop_back();
    c.pos[r] = -1;
    --cost_;
}

void CoverState::MarkUnmet(Condition& c, uint32_t r) {
    c.pos[r] = static_cast<int32_t>(c.unc.size());
    c.unc.push_back(r);
    ++cost_;
}

void CoverState::Update(Condition& c, Mask s, int delta) {
    const uint32_t r = RankOf(s);
    if (delta > 0) {
        if (c.cnt[r]++ != 0) return;
        if (c.p == c.t) {
            MarkMet(c, r);
            return;
        }
        ForEachSubset(full_ & ~s, c.p - c.t, [&](Mask e) {
            const uint32_t q = RankOf(s | e);
            if (c.hit[q]++ == 0) MarkMet(c, q);
        });
    } else {
        if (--c.cnt[r] != 0) return;
        if (c.p == c.t) {
            MarkUnmet(c, r);
            return;
        }
        ForEachSubset(full_ & ~s, c.p - c.t, [&](Mask e) {
            const uint32_t q = RankOf(s | e);
            if (--c.hit[q] == 0) MarkUnmet(c, q);
        });
    }
}

void CoverState::Apply(Mask b, int delta) {
    for (auto& c : conditions_) {
        ForEachSubset(b, c.t, [&](Mask s) { Update(c, s, delta); });
    }
}

void CoverState::AddBlock(Mask b) {
    blocks_.push_back(b);
    Apply(b, +1);
}

void CoverState::RemoveBlock(int i) {
    Apply(blocks_[static_cast<std::size_t>(i)], -1);
    blocks_[static_cast<std::size_t>(i)] = blocks_.back();
    blocks_.pop_back();
}

void CoverState::Swap(int i, int out, int in) {
    Mask& b = blocks_[static_cast<std::size_t>(i)];
    const Mask rest = b & ~(Mask{1} << out);
    const Mask outBit = Mask{1} << out;
    const Mask inBit = Mask{1} << in;
    for (auto& c : conditions_) {
        ForEachSubset(rest, c.t - 1, [&](Mask s) { Update(c, s | inBit, +1); });
        ForEachSubset(rest, c.t - 1, [&](Mask s) { Update(c, s | outBit, -1); });
    }
    b = rest | inBit;
}

Mask CoverState::RandomUncovered(std::mt19937_64& rng, int& matches) const {
    uint64_t pick = rng() % static_cast<uint64_t>(cost_);
    for (const auto& c : conditions_) {
        if (pick < c.unc.size()) {
            matches = c.t;
            return c.targets[c.unc[pick]];
        }
        pick -= c.unc.size();
    }
    matches = conditions_.back().t;
    return conditions_.back().targets[conditions_.back().unc.back()];
}

int64_t CoverState::LossWithout(int i) {
    const int64_t before = cost_;
    const Mask b = blocks_[static_cast<std::size_t>(i)];
    Apply(b, -1);
    const int64_t loss = cost_ - before;
    Apply(b, +1);
    return loss;
}

int CoverState::GainOf(Mask m, int p) const {
    const Condition& c = conditions_.front();
    int gain = 0;
    const Mask pBit = Mask{1} << p;
    ForEachSubset(m, c.t - 1, [&](Mask s) {
        if (c.cnt[RankOf(s | pBit)] == 0) ++gain;
    });
    return gain;
}

std::vector<Mask> RandomBlocks(int v, int k, int count, std::mt19937_64& rng) {
    std::vector<Mask> out;
    std::vector<int> pts(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) pts[static_cast<std::size_t>(i)] = i;
    for (int j = 0; j < count; ++j) {
        std::shuffle(pts.begin(), pts.end(), rng);
        Mask m = 0;
        for (int i = 0; i < k; ++i) m |= Mask{1} << pts[static_cast<std::size_t>(i)];
        out.push_back(m);
    }
    return out;
}

std::vector<Mask> GreedyDesign(const Problem& problem, std::mt19937_64& rng) {
    CoverState state(problem, {});
    const Mask full = FullMask(problem.v);
    while (state.Cost() > 0) {
        int t = 0;
        const Mask target = state.RandomUncovered(rng, t);
        // Start from t points of the target, then add the points that meet most.
        Mask row = 0;
        Mask left = target;
        for (int i = 0; i < t; ++i) {
            const int p = RandomPoint(left, rng);
            row |= Mask{1} << p;
            left &= ~(Mask{1} << p);
        }
        while (Popcount(row) < problem.k) {
            int best = -1;
            int bestGain = -1;
            int ties = 0;
            Mask cand = full & ~row;
            while (cand) {
                const int p = std::countr_zero(cand);
                cand &= cand - 1;
                const int gain = state.GainOf(row, p);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = p;
                    ties = 1;
                } else if (gain == bestGain && rng() % static_cast<uint64_t>(++ties) == 0) {
                    best = p;
                }
            }
            row |= Mask{1} << best;
        }
        state.AddBlock(row);
    }
    return state.Blocks();
}

bool IsValid(const Problem& problem, const std::vector<Mask>& blocks) {
    for (Mask b : blocks) {
        if (Popcount(b) != problem.k || (b & ~FullMask(problem.v)) != 0) return false;
    }
    for (const auto& g : problem.guarantees) {
        if (kombora::FindUnmetDraw(problem.v, blocks, g)) return false;
    }
    return true;
}

int LowerBound(const Problem& problem) {
    int64_t bound = 1;
    for (const auto& g : problem.guarantees) {
        if (g.drawn == g.matches) {
            bound = std::max(bound, kombora::SchoenheimBound(problem.v, problem.k, g.matches));
        }
    }
    return static_cast<int>(bound);
}

std::vector<Mask> AnnealAndShrink(const Problem& problem, std::vector<Mask> start,
                                  const SearchOptions& options,
                                  const std::function<void(const std::vector<Mask>&)>& found) {
    std::mt19937_64 rng(options.seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    CoverState state(problem, std::move(start));
    std::vector<Mask> best;
    const auto began = std::chrono::steady_clock::now();
    const Mask full = FullMask(problem.v);
    int64_t moves = 0;

    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    };
    auto outOfBudget = [&] {
        if (moves >= options.maxMoves) return true;
        if (options.stop && options.stop->load()) return true;
        return (moves & 0xfff) == 0 && elapsed() > options.maxSeconds;
    };
    // Drops the row whose loss hurts least.
    auto shrink = [&] {
        int worst = 0;
        int64_t least = INT64_MAX;
        for (int i = 0; i < static_cast<int>(state.Blocks().size()); ++i) {
            const int64_t loss = state.LossWithout(i);
            if (loss < least || (loss == least && rng() % 2 == 0)) {
                least = loss;
                worst = i;
            }
        }
        state.RemoveBlock(worst);
    };

    const int64_t cycle =
        std::max<int64_t>(20'000, static_cast<int64_t>(state.Blocks().size()) * problem.k * 40);
    const double t0 = options.t0;
    const double t1 = options.t1;
    const double cool = std::pow(t1 / t0, 1.0 / static_cast<double>(cycle));
    double temperature = t0;

    while (true) {
        if (state.Cost() == 0) {
            if (best.empty() || state.Blocks().size() < best.size()) {
                best = state.Blocks();
                if (found) found(best);
            }
            if (static_cast<int>(state.Blocks().size()) <= options.minBlocks) break;
            shrink();
            temperature = t0 * 0.5;
            continue;
        }
        if (options.leastCost && (best.empty() || state.Blocks().size() < best.size())) {
            *options.leastCost = std::min(*options.leastCost, state.Cost());
        }
        if (outOfBudget()) break;
        ++moves;
        temperature *= cool;
        if (temperature < t1) temperature = t0;

        int t = 0;
        const Mask target = state.RandomUncovered(rng, t);
        const auto& blocks = state.Blocks();
        int chosen = -1;
        int most = -1;
        int ties = 0;
        for (int i = 0; i < static_cast<int>(blocks.size()); ++i) {
            const int meet = Popcount(blocks[static_cast<std::size_t>(i)] & target);
            if (meet > most) {
                most = meet;
                chosen = i;
                ties = 1;
            } else if (meet == most && rng() % static_cast<uint64_t>(++ties) == 0) {
                chosen = i;
            }
        }
        if (chosen < 0) break;
        const Mask b = blocks[static_cast<std::size_t>(chosen)];
        Mask inCand = target & ~b;
        Mask outCand = b & ~target;
        if (unit(rng) < 0.03) {
            chosen = static_cast<int>(rng() % blocks.size());
            inCand = full & ~blocks[static_cast<std::size_t>(chosen)];
            outCand = blocks[static_cast<std::size_t>(chosen)];
        }
        if (inCand == 0 || outCand == 0) continue;
        const int in = RandomPoint(inCand, rng);
        const int out = RandomPoint(outCand, rng);
        const int64_t before = state.Cost();
        state.Swap(chosen, out, in);
        const int64_t delta = state.Cost() - before;
        if (delta > 0 && unit(rng) >= std::exp(-static_cast<double>(delta) / temperature)) {
            state.Swap(chosen, in, out);
        }
    }
    return best;
}

std::vector<Mask> AnnealCyclic(const Problem& problem, int n, int baseBlocks, int freeRows,
                               const SearchOptions& options) {
    std::mt19937_64 rng(options.seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const Mask full = FullMask(problem.v);
    auto shift = [&](int p, int g) { return p < n ? (p + g) % n : p; };
    auto shifted = [&](Mask m, int g) {
        Mask out = 0;
        while (m) {
            out |= Mask{1} << shift(std::countr_zero(m), g);
            m &= m - 1;
        }
        return out;
    };
    std::vector<Mask> base = RandomBlocks(problem.v, problem.k, baseBlocks, rng);
    std::vector<Mask> rows = RandomBlocks(problem.v, problem.k, freeRows, rng);
    for (Mask b : base)
        for (int g = 0; g < n; ++g) rows.push_back(shifted(b, g));
    CoverState state(problem, rows);
    const int first = freeRows;
    const auto began = std::chrono::steady_clock::now();
    const double t0 = 0.6 * n, t1 = 0.04 * n;  // costs change by whole orbits
    const int64_t cycle = 200'000;
    const double cool = std::pow(t1 / t0, 1.0 / static_cast<double>(cycle));
    double temperature = t0;
    auto swapBase = [&](int j, int out, int in) {
        for (int g = 0; g < n; ++g) state.Swap(first + j * n + g, shift(out, g), shift(in, g));
        base[static_cast<std::size_t>(j)] =
            (base[static_cast<std::size_t>(j)] & ~(Mask{1} << out)) | (Mask{1} << in);
    };
    for (int64_t moves = 0; state.Cost() > 0; ++moves) {
        if (moves >= options.maxMoves) return {};
        if (options.stop && options.stop->load()) return {};
        if ((moves & 0xff) == 0 &&
            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count() >
                options.maxSeconds) {
            return {};
        }
        temperature *= cool;
        if (temperature < t1) temperature = t0;
        int t = 0;
        const Mask target = state.RandomUncovered(rng, t);
        const auto& blocks = state.Blocks();
        int chosen = -1, most = -1, ties = 0;
        for (int i = 0; i < static_cast<int>(blocks.size()); ++i) {
            const int meet = Popcount(blocks[static_cast<std::size_t>(i)] & target);
            if (meet > most) {
                most = meet;
                chosen = i;
                ties = 1;
            } else if (meet == most && rng() % static_cast<uint64_t>(++ties) == 0) {
                chosen = i;
            }
        }
        if (chosen < 0) return {};
        const Mask b = blocks[static_cast<std::size_t>(chosen)];
        if (chosen < first) {
            // A free row: one swap, judged at the temperature of single rows.
            Mask inFree = target & ~b;
            Mask outFree = b & ~target;
            if (inFree == 0 || outFree == 0 || unit(rng) < 0.05) {
                inFree = full & ~b;
                outFree = b;
            }
            const int in = RandomPoint(inFree, rng);
            const int out = RandomPoint(outFree, rng);
            const int64_t before = state.Cost();
            state.Swap(chosen, out, in);
            const int64_t delta = state.Cost() - before;
            if (delta > 0 && unit(rng) >= std::exp(-static_cast<double>(delta) * n / temperature)) {
                state.Swap(chosen, in, out);
            }
            continue;
        }
        const int j = (chosen - first) / n;
        const int g = (chosen - first) % n;
        Mask inCand = target & ~b;
        Mask outCand = b & ~target;
        if (inCand == 0 || outCand == 0 || unit(rng) < 0.05) {
            inCand = full & ~b;
            outCand = b;
        }
        // Back to the base row: undo the shift by g.
        auto unshift = [&](int p) { return p < n ? (p - g + n) % n : p; };
        const int in = unshift(RandomPoint(inCand, rng));
        const int out = unshift(RandomPoint(outCand, rng));
        const int64_t before = state.Cost();
        swapBase(j, out, in);
        const int64_t delta = state.Cost() - before;
        if (delta > 0 && unit(rng) >= std::exp(-static_cast<double>(delta) / temperature)) {
            swapBase(j, in, out);
        }
    }
    std::vector<Mask> result = state.Blocks();
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

}  // namespace designgen
