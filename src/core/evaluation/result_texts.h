#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/number_format.h"
#include "evaluation/hit_tally.h"

namespace kombora {

// count / total * 100 in the pattern "0.00" with the locale's decimal separator, computed from
// the exact fraction and rounded half up (9 of 160 reads "5.63"); "0.00" when total is not
// positive.
std::string PercentText(int64_t total, int64_t count, const NumberLocale& locale);

// The result grid of a test: hit count k owns grid row 2k-3 (counts) and 2k-2
// (percentages); column 1 holds the draw count, column m+1 the figures for m matches.
inline constexpr int kResultGridRows = 19;     // row 0 carries the labels
inline constexpr int kResultGridColumns = 12;  // column 0 carries the labels
inline constexpr int CountRowOf(int k) {
    return 2 * k - 3;
}
inline constexpr int PercentRowOf(int k) {
    return 2 * k - 2;
}

// The texts of the two grid rows of hit count k; index = grid column (0 stays empty).
struct HitCountRowTexts {
    std::array<std::string, kResultGridColumns> counts;
    std::array<std::string, kResultGridColumns> percents;
};

// Hit count k as the result grid shows it: nothing for a hit count outside the run; the
// draw count C(wz, k) in column 1 (pattern "#,"); for m = 1..k the count and its percentage
// of all draws, or "---" in both cells when no draw ended with m matches. A hit count skipped
// after a stop shows its draw count and "---" throughout; a stopped full system shows the
// draw count alone.
HitCountRowTexts HitCountTexts(const EvaluationResult& result, int k, const NumberLocale& locale);

// Every cell of the result grid outside the label row and column; [row][column].
using ResultGridTexts = std::array<std::array<std::string, kResultGridColumns>, kResultGridRows>;
ResultGridTexts ResultGridCells(const EvaluationResult& result, const NumberLocale& locale);

}  // namespace kombora
