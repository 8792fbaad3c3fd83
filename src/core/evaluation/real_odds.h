#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "app/number_format.h"
#include "evaluation/hit_engine.h"
#include "rows/number_set.h"

namespace kombora {

// The real odds of a system in a lottery that draws `drawn` of the numbers 1..largestNumber.
// The player's pool holds the wz changing numbers the system's design numbers stand for and
// `bankCount` bank numbers that stand in every row. Of a draw, j numbers fall among the
// changing numbers and b among the bank numbers; the best row then has the best design match
// for those j numbers plus b. Counting the draws of each (j, b) by the hypergeometric
// weights C(wz, j) C(bankCount, b) C(rest, drawn - j - b) gives the exact distribution of the
// best row's matches over all C(largestNumber, drawn) draws.

// The hit counts j that a draw can bring into a pool of wz numbers: from
// drawn + wz - largestNumber (fewer cannot happen) to min(drawn, wz).
struct HitRange {
    int first = 0;
    int last = -1;
};
HitRange OddsHitRange(int wz, int drawn, int largestNumber);

// For each hit count j of a range and each match count m = 0..rowSize: how many of the
// C(wz, j) draws of j design numbers leave the best row with exactly m matches.
class BestMatchCounts {
  public:
    BestMatchCounts() = default;
    BestMatchCounts(int wz, int rowSize, HitRange range);

    int wz() const { return wz_; }
    int rowSize() const { return rowSize_; }
    HitRange range() const { return range_; }
    // 0 outside the range and outside 0..rowSize.
    int64_t At(int j, int m) const;
    void Set(int j, int m, int64_t count);

  private:
    int wz_ = 0;
    int rowSize_ = 0;
    HitRange range_;
    std::vector<int64_t> counts_;  // (j - first) * (rowSize + 1) + m
};

// The draws of a finished hit count k of a test per best-row match count m = 0..rowSize
// (the draws without a match are the rest of C(wz, k)); nullopt unless k is Complete.
std::optional<std::vector<int64_t>> HitCountMatches(const EvaluationResult& result, int k,
                                                    int rowSize);

// Progress of the evaluations the counts still need: draws done of all such draws.
using OddsProgress = std::function<void(int64_t drawsDone, int64_t drawTotal)>;

// The best-match counts of the rows (design numbers 1..wz, at most rowSize of them in a row)
// for the hit counts of `range`. Hit counts 0 and 1 follow from the rows directly; a hit
// count that `known` (a finished test of the same rows) holds completely is taken from it;
// every other one is evaluated by the engine. Hit counts above 10 are beyond the engine
// (std::invalid_argument). nullopt when a stop request ended an evaluation.
std::optional<BestMatchCounts> CollectBestMatchCounts(std::span<const NumberSet> rows, int wz,
                                                      int rowSize, HitRange range,
                                                      const EvaluationResult* known = nullptr,
                                                      const EvaluationOptions& options = {},
                                                      std::stop_token stop = {},
                                                      const OddsProgress& progress = {});

// The same for a full system (every rowSize-subset of 1..wz is a row): the best row holds
// min(j, rowSize) of any j drawn numbers.
BestMatchCounts FullSystemBestMatchCounts(int wz, int rowSize, HitRange range);

// One match count m of the odds.
struct OddsLine {
    int matches = 0;
    int64_t bestRowDraws = 0;  // draws whose best row has exactly m matches
    int64_t rowDraws = 0;      // draws in which one given row has exactly m matches
    long double bestRowProbability = 0;
    long double expectedRows = 0;  // rows with exactly m matches in one draw, on average
};

struct RealOdds {
    int largestNumber = 0;
    int drawn = 0;
    int wz = 0;
    int bankCount = 0;
    int rowSize = 0;  // numbers per row, bank numbers included
    int64_t rowCount = 0;
    int64_t drawCount = 0;        // C(largestNumber, drawn)
    std::vector<OddsLine> lines;  // m = 0..rowSize
};

// The odds from the best-match counts of the rows (which must cover OddsHitRange). Throws
// std::invalid_argument when the pool and the bank numbers do not fit into the lottery, when
// the lottery draws no number or more than it has, or when the counts miss a needed hit count.
RealOdds ComputeRealOdds(const BestMatchCounts& counts, int64_t rowCount, int bankCount,
                         int largestNumber, int drawn);

// A value as a plain decimal (no exponent) with 15 significant digits; "0" for zero.
std::string DecimalText(long double value);

// count / total as a percentage without the sign: two decimals from 0.01 on, three significant
// digits below it ("0.00000715"), "0" for a count of 0; the locale's decimal separator.
std::string OddsPercentText(int64_t count, int64_t total, const NumberLocale& locale);

// count / total as "1 in N" (German "1 zu N"): N with one decimal below 10, else rounded and
// grouped, in the locale's separators; "never" / "nie" for a count of 0.
std::string OneInText(int64_t count, int64_t total, int32_t language, const NumberLocale& locale);

}  // namespace kombora
