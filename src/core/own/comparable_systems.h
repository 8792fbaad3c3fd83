#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace kombora {

// Catalogue systems found for a set of rows, index and text line for line.
struct ComparableList {
    std::vector<int32_t> indexes;  // catalogue indexes
    std::vector<std::string> texts;

    std::size_t size() const { return indexes.size(); }
    bool empty() const { return indexes.empty(); }
    // The catalogue index shown on line `line`; nullopt for a line that does not exist.
    std::optional<int32_t> IndexOfLine(int line) const;

    friend bool operator==(const ComparableList&, const ComparableList&) = default;
};

// The built-in and full systems (own systems are never compared) that do as well as rows of
// `rowSize` numbers over `poolSize` numbers with `rowCount` rows and `guarantee`:
//   first, in index order, the same row size, pool and guarantee with the same row count
//   ("Identical system available") or fewer rows ("Same guarantee, ... but only N rows");
//   then, in index order, the same row size and pool with a higher guarantee and a similar row
//   count (the row-count rule of the catalogue filter).
// nullopt when rowSize < 2. The texts are English in both languages.
std::optional<ComparableList> FindComparableSystems(const Catalogue& catalogue, int32_t rowSize,
                                                    int32_t poolSize, int32_t guarantee,
                                                    int32_t rowCount);

// The one-line description of tested rows, always English: "Own system" for 4 numbers in 4
// rows à 3 numbers with 3er guarantee. (or ... w/o guarantee.)
std::string TestedRowsDescription(int32_t poolSize, int32_t rowCount, int32_t rowSize,
                                  int32_t guarantee);

}  // namespace kombora
