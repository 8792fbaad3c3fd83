#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "rows/row_store.h"
#include "selection/filter_parameters.h"

namespace kombora {

// True when a system with `rowCount` rows does NOT match the wanted row count, false when it
// matches. Counts up to 12 all match one another, counts in one of the overlapping bands
// 10..20, 18..30, ... 96..124 match, and otherwise the count must lie between the wanted count
// divided by 1.333333 and multiplied by 1.25, both rounded half to even.
bool RowCountNear(int32_t rowCount, int32_t wanted);

// The filter's form: every row count matches while the row count is "no matter" or forced.
bool RowCountNear(int32_t rowCount, int32_t wanted, bool fromFilter,
                  const FilterParameters& params);

// The result-list line of a catalogue entry shown with `bankNumbers` bank numbers, e.g.
// "11 numbers plus 2 bn in 47 rows with 3er guarantee". The same in both languages.
std::string ResultLine(const TSysteme& system, int32_t bankNumbers);

// "No systems found", "One system found", "5 systems found" (German for language 0);
// nullopt for any other language, where the label keeps its text.
std::optional<std::string> FoundCountText(std::size_t count, int32_t language);

// The filter lowered the guarantee because the bank numbers leave a row too few places for
// it: `bankNumbers` (the most the filter allows, fewer too when `upTo`) leave rows of `to`
// numbers, which became the guarantee in place of `from`.
struct GuaranteeLowering {
    int32_t from = 0;
    int32_t to = 0;
    int32_t bankNumbers = 0;
    bool upTo = false;

    friend bool operator==(const GuaranteeLowering&, const GuaranteeLowering&) = default;
};

// "guarantee lowered to 2: up to 4 bank numbers leave rows of 2".
std::string GuaranteeLoweringText(const GuaranteeLowering& lowering);

struct FilterResult {
    std::vector<int32_t> indices;    // ResultIndices: the catalogue index of each line
    std::vector<std::string> lines;  // the lines of the result list
    std::optional<GuaranteeLowering> guaranteeLowered;
};

// The catalogue filter behind "Filter". Reads the parameters, writes TipSize and the
// provisional BankNeeded into the row store, and may lower the guarantee (value, maximum,
// "exact") when the bank numbers leave too few places in a row for it.
FilterResult RunCatalogueFilter(FilterParameters& params, const Catalogue& catalogue,
                                int32_t largestNumber, RowStore& rows);

}  // namespace kombora
