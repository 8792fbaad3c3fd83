#include "catalogue/design_check.h"

#include <bit>

namespace kombora {

std::optional<std::vector<RowMask>> RowsToMasks(std::span<const uint8_t> values, int rowSize,
                                                int poolSize, std::string* error) {
    std::vector<RowMask> rows;
    if (rowSize <= 0 || poolSize <= 0 || poolSize > 64 ||
        values.size() % static_cast<std::size_t>(rowSize) != 0) {
        if (error) *error = "the numbers do not form whole rows";
        return std::nullopt;
    }
    const std::size_t count = values.size() / static_cast<std::size_t>(rowSize);
    rows.reserve(count);
    for (std::size_t r = 0; r < count; ++r) {
        RowMask mask = 0;
        for (int c = 0; c < rowSize; ++c) {
            const int d =
                values[r * static_cast<std::size_t>(rowSize) + static_cast<std::size_t>(c)];
            const RowMask bit = d >= 1 && d <= poolSize ? RowMask{1} << (d - 1) : 0;
            if (bit == 0 || (mask & bit) != 0) {
                if (error) {
                    *error = "row " + std::to_string(r + 1) +
                             (bit == 0 ? " has a number outside 1.." + std::to_string(poolSize)
                                       : " holds " + std::to_string(d) + " twice");
                }
                return std::nullopt;
            }
            mask |= bit;
        }
        rows.push_back(mask);
    }
    return rows;
}

namespace {

// Depth-first search for a draw that no row meets in `matches` numbers. `chosen` holds the
// numbers so far (none of its `matches`-subsets lies in a row); `forbidden` the numbers that
// would complete such a subset.
class UnmetDrawSearch {
  public:
    UnmetDrawSearch(int poolSize, std::span<const RowMask> rows, DrawGuarantee g)
        : poolSize_(poolSize), rows_(rows), g_(g) {}

    std::optional<std::vector<int>> Run() {
        if (g_.drawn > poolSize_ || g_.drawn <= 0) return std::nullopt;
        if (poolSize_ > 64) return FirstDraw();  // beyond what a row mask can hold: not proved
        if (g_.matches <= 0) return std::nullopt;
        if (g_.matches > g_.drawn) return FirstDraw();
        if (Extend(0, g_.matches == 1 ? UnionOfRowsHolding(0) : 0)) {
            std::vector<int> draw;
            for (int x : chosen_) draw.push_back(x + 1);
            return draw;
        }
        return std::nullopt;
    }

  private:
    std::optional<std::vector<int>> FirstDraw() const {
        std::vector<int> draw;
        for (int i = 1; i <= g_.drawn; ++i) draw.push_back(i);
        return draw;
    }

    // The numbers that lie in a row together with all of `part`.
    RowMask UnionOfRowsHolding(RowMask part) const {
        RowMask u = 0;
        for (RowMask row : rows_) {
            if ((row & part) == part) u |= row;
        }
        return u;
    }

    // The numbers y for which some (matches - 1)-subset R of chosen ∪ {x} that contains x
    // lies in a row together with y.
    RowMask NewlyForbidden(int x) const {
        const int need = g_.matches - 2;  // members of R besides x
        const RowMask xbit = RowMask{1} << x;
        if (need < 0) return 0;
        if (need == 0) return UnionOfRowsHolding(xbit);
        RowMask result = 0;
        const int n = static_cast<int>(chosen_.size());
        if (need > n) return 0;
        std::vector<int> idx(static_cast<std::size_t>(need));
        for (int i = 0; i < need; ++i) idx[static_cast<std::size_t>(i)] = i;
        while (true) {
            RowMask part = xbit;
            for (int i : idx) part |= RowMask{1} << chosen_[static_cast<std::size_t>(i)];
            result |= UnionOfRowsHolding(part);
            int i = need - 1;
            while (i >= 0 && idx[static_cast<std::size_t>(i)] == n - need + i) --i;
            if (i < 0) break;
            ++idx[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < need; ++j) {
                idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
            }
        }
        return result;
    }

    bool Extend(int from, RowMask forbidden) {
        if (static_cast<int>(chosen_.size()) == g_.drawn) return true;
        const int left = g_.drawn - static_cast<int>(chosen_.size());
        for (int x = from; x <= poolSize_ - left; ++x) {
            if ((forbidden >> x) & 1) continue;
            const RowMask add = NewlyForbidden(x);
            chosen_.push_back(x);
            if (Extend(x + 1, forbidden | add)) return true;
            chosen_.pop_back();
        }
        return false;
    }

    int poolSize_;
    std::span<const RowMask> rows_;
    DrawGuarantee g_;
    std::vector<int> chosen_;
};

}  // namespace

std::optional<std::vector<int>> FindUnmetDraw(int poolSize, std::span<const RowMask> rows,
                                              DrawGuarantee g) {
    return UnmetDrawSearch(poolSize, rows, g).Run();
}

std::string DescribeGuarantee(DrawGuarantee g) {
    if (g.drawn == g.matches) {
        return "every " + std::to_string(g.drawn) + " pool numbers lie in a row";
    }
    return "every " + std::to_string(g.drawn) + " pool numbers share at least " +
           std::to_string(g.matches) + " with a row";
}

}  // namespace kombora
