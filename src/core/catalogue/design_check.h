#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kombora {

// A guarantee of a set of rows over the pool 1..poolSize: whenever `drawn` of the drawn
// numbers lie in the pool, some row holds at least `matches` of them. A covering design
// with guarantee t is {t, t}.
struct DrawGuarantee {
    int drawn = 0;
    int matches = 0;
    bool operator==(const DrawGuarantee&) const = default;
};

// A row as a bit set: bit d - 1 stands for design number d (1..64).
using RowMask = uint64_t;

// Rows of `rowSize` numbers each, `values` row after row, as bit sets; nullopt when a row has
// a number outside 1..poolSize or a number twice (then `error` says which row).
std::optional<std::vector<RowMask>> RowsToMasks(std::span<const uint8_t> values, int rowSize,
                                                int poolSize, std::string* error = nullptr);

// A draw of `g.drawn` pool numbers (ascending, 1-based) that shares fewer than `g.matches`
// numbers with every row, or nullopt when the rows keep the guarantee. Works by depth-first
// search over the draws that share too little with every row, so a kept guarantee is proved
// without listing every draw.
std::optional<std::vector<int>> FindUnmetDraw(int poolSize, std::span<const RowMask> rows,
                                              DrawGuarantee g);

// Text of a guarantee for people: "3 of 3" reads as "every 3 pool numbers lie in a row",
// "6 -> 3" as "every 6 pool numbers share at least 3 with some row".
std::string DescribeGuarantee(DrawGuarantee g);

}  // namespace kombora
