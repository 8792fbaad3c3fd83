// The kernel body, included once per build variant. The including file defines
// KOMBORA_HIT_KERNEL_ENTRY as the name of the entry function. Everything else has internal
// linkage, so the two builds never mix.

#include <bit>
#include <cstdint>
#include <vector>

#include "evaluation/hit_kernel.h"

namespace kombora::hit_kernel {
namespace {

template <int W>
struct Bits {
    uint64_t w[W];
};

template <int W>
inline Bits<W> LoadBits(const uint64_t* p) {
    Bits<W> b;
    for (int i = 0; i < W; ++i) b.w[i] = p[i];
    return b;
}

template <int W>
inline bool HasNumber(const Bits<W>& b, int x) {
    const int bit = x - 1;
    return ((b.w[bit >> 6] >> (bit & 63)) & 1u) != 0;
}

template <int W>
inline int64_t CountCommon(const Bits<W>& a, const uint64_t* b) {
    int64_t c = 0;
#if defined(__GNUC__) || defined(__clang__)
    for (int i = 0; i < W; ++i) c += __builtin_popcountll(a.w[i] & b[i]);
#else
    for (int i = 0; i < W; ++i) c += std::popcount(a.w[i] & b[i]);
#endif
    return c;
}

// Depth-first walk over the draws of one hit count k. A node is a prefix P of a draw (its
// smallest numbers); for P the walk keeps c[r] = |P ∩ row r| for every row, the best value
// M = max c[r] and U = the union of the rows with c[r] = M. A completion x > max(P) then
// gives the draw P ∪ {x} the best value M + 1 when x lies in U and M otherwise, so one node
// of k-1 numbers settles all its draws at once, and a child's M and U follow from the rows
// that hold its new number alone.
template <int W>
class Walker {
  public:
    Walker(HitCountJob& job, MatchCounts& counts)
        : job_(job),
          p_(*job.rows),
          n_(p_.n),
          k_(job.k),
          c_(p_.rowCount, 0),
          counts_(counts),
          start_(p_.listStart.data()),
          rowOf_(p_.listRow.data()),
          bits_(p_.listBits.data()) {}

    bool Run() {
        const std::size_t taskCount = job_.prefixes.size();
        for (;;) {
            if (job_.stop->load(std::memory_order_relaxed)) {
                Flush();
                return false;
            }
            const std::size_t i = job_.next.fetch_add(1, std::memory_order_relaxed);
            if (i >= taskCount) break;
            RunTask(job_.prefixes[i]);
            Flush();
            if (aborted_) return false;
        }
        return true;
    }

  private:
    void RunTask(const std::array<uint8_t, 3>& prefix) {
        const int t = job_.prefixLength;
        Bits<W> u = LoadBits<W>(p_.allRows.data());
        int m = 0;
        const bool counting = t == k_ - 1;
        for (int i = 0; i < t; ++i) {
            const int x = prefix[static_cast<std::size_t>(i)];
            Bits<W> next;
            if (counting && i == t - 1) {
                m = Step<false>(m, u, x, next);
            } else {
                m = Step<true>(m, u, x, next);
            }
            u = next;
        }
        const int last = prefix[static_cast<std::size_t>(t - 1)];
        if (counting) {
            Count(last, m, u);
            pending_ += n_ - last;
        } else {
            Node(t, last, m, u);
        }
        for (int i = counting ? t - 2 : t - 1; i >= 0; --i) {
            Undo(prefix[static_cast<std::size_t>(i)]);
        }
    }

    // A prefix of `depth` numbers, the largest p, with its best value m and union u.
    void Node(int depth, int p, int m, const Bits<W>& u) {
        if (depth == k_ - 2) {
            LastLevel(p, m, u);
            return;
        }
        // Room is needed for the remaining numbers of the prefix and one completion.
        const int limit = n_ - (k_ - 1 - depth);
        for (int x = p + 1; x <= limit; ++x) {
            Bits<W> next;
            const int mx = Step<true>(m, u, x, next);
            Node(depth + 1, x, mx, next);
            Undo(x);
            if (aborted_) return;
        }
    }

    // The prefixes below this node have k-1 numbers: they are counted, not walked.
    void LastLevel(int p, int m, const Bits<W>& u) {
        if (job_.stop->load(std::memory_order_relaxed)) {
            aborted_ = true;
            return;
        }
        for (int x = p + 1; x < n_; ++x) {
            Bits<W> next;
            const int mx = Step<false>(m, u, x, next);
            Count(x, mx, next);
        }
        const int64_t free = n_ - p;
        pending_ += free * (free - 1) / 2;
        if (pending_ >= (int64_t{1} << 14)) Flush();
    }

    // The draws that complete a prefix of k-1 numbers whose largest is x.
    void Count(int x, int m, const Bits<W>& u) {
        const int64_t total = n_ - x;
        const int64_t better = CountCommon<W>(u, p_.above.data() + static_cast<std::size_t>(x) * W);
        counts_[static_cast<std::size_t>(m + 1)] += better;
        counts_[static_cast<std::size_t>(m)] += total - better;
    }

    // Adds x to the prefix: returns the new best value and writes the new union to `out`;
    // with Increment, also raises c for the rows that hold x.
    template <bool Increment>
    inline int Step(int m, const Bits<W>& u, int x, Bits<W>& out) {
        const uint32_t begin = start_[x];
        const uint32_t end = start_[x + 1];
        int target;
        Bits<W> acc;
        int result;
        if (HasNumber<W>(u, x)) {
            // A best row holds x: the best rises, and only the best rows holding x stay best.
            target = m;
            for (int i = 0; i < W; ++i) acc.w[i] = 0;
            result = m + 1;
        } else {
            // The best stays; rows one below it that hold x join the best ones.
            target = m - 1;
            acc = u;
            result = m;
        }
        uint8_t* c = c_.data();
        for (uint32_t e = begin; e < end; ++e) {
            const uint32_t r = rowOf_[e];
            const int v = c[r];
            const uint64_t mask = uint64_t{0} - static_cast<uint64_t>(v == target);
            const uint64_t* b = bits_ + static_cast<std::size_t>(e) * W;
            for (int i = 0; i < W; ++i) acc.w[i] |= b[i] & mask;
            if constexpr (Increment) c[r] = static_cast<uint8_t>(v + 1);
        }
        out = acc;
        return result;
    }

    void Undo(int x) {
        uint8_t* c = c_.data();
        for (uint32_t e = start_[x]; e < start_[x + 1]; ++e) --c[rowOf_[e]];
    }

    void Flush() {
        if (pending_ != 0) {
            job_.drawsDone->fetch_add(pending_, std::memory_order_relaxed);
            pending_ = 0;
        }
    }

    HitCountJob& job_;
    const PreparedRows& p_;
    const int n_;
    const int k_;
    std::vector<uint8_t> c_;
    MatchCounts& counts_;
    const uint32_t* start_;
    const uint32_t* rowOf_;
    const uint64_t* bits_;
    int64_t pending_ = 0;
    bool aborted_ = false;
};

template <int W>
bool RunWalker(HitCountJob& job, MatchCounts& counts) {
    Walker<W> walker(job, counts);
    return walker.Run();
}

}  // namespace

bool KOMBORA_HIT_KERNEL_ENTRY(HitCountJob& job, MatchCounts& counts) {
    switch (job.rows->words) {
        case 1:
            return RunWalker<1>(job, counts);
        case 2:
            return RunWalker<2>(job, counts);
        default:
            return RunWalker<4>(job, counts);
    }
}

}  // namespace kombora::hit_kernel
