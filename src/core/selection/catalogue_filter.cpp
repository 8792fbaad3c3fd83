#include "selection/catalogue_filter.h"

#include <algorithm>
#include <cmath>

#include "app/messages.h"
#include "rows/number_set.h"

namespace kombora {
namespace {

// Rounds to the nearest integer, a half going to the even neighbour.
int64_t RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    auto result = static_cast<int64_t>(lower);
    if (diff > 0.5 || (diff == 0.5 && result % 2 != 0)) ++result;
    return result;
}

struct Band {
    int32_t low;
    int32_t high;
};
constexpr Band kRowCountBands[] = {{10, 20}, {18, 30}, {28, 40},  {36, 48}, {44, 60},
                                   {54, 72}, {66, 88}, {80, 104}, {96, 124}};

}  // namespace

bool RowCountNear(int32_t rowCount, int32_t wanted) {
    if (wanted <= 12 && rowCount <= 12) return false;
    for (const Band& band : kRowCountBands) {
        const bool wantedIn = wanted >= band.low && wanted <= band.high;
        const bool rowsIn = rowCount >= band.low && rowCount <= band.high;
        if (wantedIn && rowsIn) return false;
    }
    const int64_t lower = RoundHalfEven(wanted / 1.333333);
    const int64_t upper = RoundHalfEven(wanted * 1.25);
    return !(lower <= rowCount && rowCount <= upper);
}

bool RowCountNear(int32_t rowCount, int32_t wanted, bool fromFilter,
                  const FilterParameters& params) {
    if (fromFilter && (params.NoMatter(FilterParam::RowCount) || params.RowCountForced())) {
        return false;
    }
    return RowCountNear(rowCount, wanted);
}

std::string ResultLine(const TSysteme& system, int32_t bankNumbers) {
    std::string line = std::to_string(system.WZ) + " numbers ";
    if (bankNumbers == 0) {
        line += "w/o bn in ";
    } else if (bankNumbers == 1) {
        line += "plus one bn in ";
    } else {
        line += "plus " + std::to_string(bankNumbers) + " bn in ";
    }
    line += std::to_string(system.TR) + " rows ";
    if (system.GA > 0) {
        line += "with " + std::to_string(system.GA) + "er guarantee";
    } else {
        line += "w/o guarantee";
    }
    return line;
}

std::optional<std::string> FoundCountText(std::size_t count, int32_t language) {
    const auto n = static_cast<int64_t>(count);
    return LabelText(FoundCountLabel(n), language, {std::to_string(n)});
}

std::string GuaranteeLoweringText(const GuaranteeLowering& lowering) {
    return "guarantee lowered to " + std::to_string(lowering.to) + ": " +
           (lowering.upTo ? "up to " : "") + std::to_string(lowering.bankNumbers) +
           (lowering.bankNumbers == 1 ? " bank number leaves" : " bank numbers leave") +
           " rows of " + std::to_string(lowering.to);
}

FilterResult RunCatalogueFilter(FilterParameters& params, const Catalogue& catalogue,
                                int32_t largestNumber, RowStore& rows) {
    FilterResult result;
    const int32_t tip = params.Value(FilterParam::TipSize);
    rows.TipSize = tip;
    const int32_t maxBank = MaxBankNumbers(tip);

    int32_t lo = 0;
    int32_t hi = 0;
    if (params.NoMatter(FilterParam::BankNumbers)) {
        hi = params.Slider(FilterParam::BankNumbers).maximum;
        lo = 0;
    } else {
        hi = params.Value(FilterParam::BankNumbers);
        lo = params.Choice(FilterParam::BankNumbers) == kChoiceAtMost ? 0 : hi;
    }
    hi = std::min(hi, maxBank);
    rows.BankNeeded = hi;

    // With hi bank numbers a row keeps tip - hi places for the guarantee.
    if (!params.NoMatter(FilterParam::Guarantee) &&
        tip - hi < params.Value(FilterParam::Guarantee)) {
        result.guaranteeLowered =
            GuaranteeLowering{params.Value(FilterParam::Guarantee), tip - hi, hi, lo < hi};
        params.SetValue(FilterParam::Guarantee, tip - hi);
        params.SetMaximum(FilterParam::Guarantee, tip - hi);
        params.SelectChoice(FilterParam::Guarantee, kChoiceExact);
    }

    std::vector<int32_t> candidates;
    for (int32_t b = lo; b <= hi; ++b) {
        for (int32_t i = 0; i < catalogue.size(); ++i) {
            const TSysteme& e = catalogue[i];
            if (e.RG + b == tip && e.WZ + b <= largestNumber) candidates.push_back(i);
        }
    }

    const bool anyPool = params.NoMatter(FilterParam::Pool);
    const int32_t pool = params.Value(FilterParam::Pool);
    const bool anyGuarantee = params.NoMatter(FilterParam::Guarantee);
    const int32_t guarantee = params.Value(FilterParam::Guarantee);
    const int32_t guaranteeChoice = params.Choice(FilterParam::Guarantee);
    const int32_t wantedRows = params.Value(FilterParam::RowCount);
    for (const int32_t i : candidates) {
        const TSysteme& e = catalogue[i];
        const int32_t b = tip - e.RG;
        const bool poolFits = anyPool || e.WZ + b == pool;
        const bool guaranteeFits = anyGuarantee ||
                                   (guaranteeChoice == kChoiceAtMost && e.GA >= guarantee) ||
                                   (guaranteeChoice == kChoiceExact && e.GA == guarantee) ||
                                   guaranteeChoice == kChoiceNone;
        const bool rowsFit = !RowCountNear(e.TR, wantedRows, true, params);
        if (poolFits && guaranteeFits && rowsFit) {
            result.lines.push_back(ResultLine(e, b));
            result.indices.push_back(i);
        }
    }
    return result;
}

}  // namespace kombora
