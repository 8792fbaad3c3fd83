#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "evaluation/draws.h"
#include "evaluation/hit_engine.h"
#include "evaluation/result_texts.h"
#include "evaluation/split_text.h"
#include "evaluation/system_check.h"

namespace kombora {
namespace {

TEST(EnumerateDraws, PairsOfFiveInLexicographicOrder) {
    std::vector<NumberSet> draws;
    EnumerateDraws(5, 2, draws);
    const std::vector<NumberSet> expected = {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3},
                                             {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}};
    EXPECT_EQ(draws, expected);
}

TEST(EnumerateDraws, FirstAndLastEntryAndCount) {
    std::vector<NumberSet> draws;
    EnumerateDraws(12, 10, draws);
    ASSERT_EQ(draws.size(), 66u);
    EXPECT_EQ(draws.front(), (NumberSet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(draws.back(), (NumberSet{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EnumerateDraws(12, 11, draws);
    EXPECT_TRUE(draws.empty());
    EnumerateDraws(3, 4, draws);
    EXPECT_TRUE(draws.empty());
}

struct CountCase {
    int n;
    int first;
    int last;
    int64_t rows;
    int64_t draws;
    int64_t calculations;
};

class DrawAndCalculationCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(DrawAndCalculationCounts, SumTheCoefficients) {
    const CountCase& c = GetParam();
    EXPECT_EQ(DrawTotal(c.n, c.last, c.first), c.draws);
    EXPECT_EQ(CalculationCount(c.rows, c.n, c.last, c.first), c.calculations);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DrawAndCalculationCounts,
    ::testing::Values(CountCase{10, 2, 6, 20, 837, 16740},
                      CountCase{49, 2, 6, 163, 16122176, 2627914688},  // beyond 32 bits
                      CountCase{10, 7, 6, 20, 0, 0},                   // empty range
                      CountCase{6, 2, 8, 1, 57, 57},                   // k above n adds 0
                      CountCase{100, 2, 10, 1, 19415908147735, 19415908147735},
                      CountCase{100, 10, 10, 3000, 17310309456440, 51930928369320000}));

struct PercentCase {
    int64_t total;
    int64_t count;
    bool german;
    const char* expected;
};

class PercentTexts : public ::testing::TestWithParam<PercentCase> {};

TEST_P(PercentTexts, TwoDecimalsInTheLocale) {
    const PercentCase& c = GetParam();
    const NumberLocale locale = c.german ? NumberLocale::German() : NumberLocale::English();
    EXPECT_EQ(PercentText(c.total, c.count, locale), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PercentTexts,
    ::testing::Values(PercentCase{120, 120, false, "100.00"}, PercentCase{120, 120, true, "100,00"},
                      PercentCase{36, 1, false, "2.78"}, PercentCase{36, 1, true, "2,78"},
                      PercentCase{15, 9, false, "60.00"}, PercentCase{3, 2, false, "66.67"},
                      // A total beyond 32 bits is not cut down.
                      PercentCase{17310309456440, 8655154728220, false, "50.00"},
                      PercentCase{0, 0, false, "0.00"},
                      // Halves round up, taken from the exact fraction, not from a double.
                      PercentCase{160, 9, false, "5.63"}, PercentCase{160, 9, true, "5,63"},
                      PercentCase{800, 1, false, "0.13"}, PercentCase{16000, 1, false, "0.01"},
                      PercentCase{8, 1, false, "12.50"}, PercentCase{6, 1, false, "16.67"},
                      PercentCase{1600, 1, false, "0.06"}, PercentCase{40000, 1, false, "0.00"},
                      PercentCase{40000, 2, false, "0.01"},
                      PercentCase{17310309456440, 1, false, "0.00"},
                      PercentCase{17310309456440, 17310309456439, false, "100.00"},
                      PercentCase{51930928369320000, 6491366046165000, true, "12,50"}));

struct SplitCase {
    const char* separator;
    const char* text;
    int maxParts;
    std::vector<std::string> parts;
};

class SplitTexts : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTexts, CutsAtTheSeparator) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitText(c.separator, c.text, c.maxParts), c.parts);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitTexts,
                         ::testing::Values(SplitCase{",", "1,2,3", 0, {"1", "2", "3"}},
                                           SplitCase{",", "1,2,", 0, {"1", "2"}},
                                           SplitCase{",", "1,,2", 0, {"1", "", "2"}},
                                           SplitCase{",", "1,2,3", 2, {"1", "2,3"}},
                                           SplitCase{",", "1,2,3", 1, {"1,2,3"}},
                                           SplitCase{",", "", 0, {}},
                                           SplitCase{"", "1,2", 0, {"1,2"}},
                                           SplitCase{",", ",1", 0, {"", "1"}},
                                           SplitCase{"\r\n", "a\r\nb\r\n", 0, {"a", "b"}}));

struct FirstHitCase {
    int wz;
    int tip;
    int largest;
    int expected;
};

class FirstHitCounts : public ::testing::TestWithParam<FirstHitCase> {};

TEST_P(FirstHitCounts, SkipImpossibleHitCounts) {
    const FirstHitCase& c = GetParam();
    EXPECT_EQ(FirstHitCount(c.wz, c.tip, c.largest), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FirstHitCounts,
                         ::testing::Values(FirstHitCase{45, 6, 49, 2}, FirstHitCase{46, 6, 49, 3},
                                           FirstHitCase{49, 6, 49, 6}, FirstHitCase{49, 6, 90, 2},
                                           FirstHitCase{10, 6, 49, 2}, FirstHitCase{59, 7, 59, 7}));

using Row = std::array<std::string, kResultGridColumns>;

Row RowOf(std::vector<std::string> cells) {
    Row row{};
    for (std::size_t i = 0; i < cells.size(); ++i) row[i] = cells[i];
    return row;
}

TEST(ResultGridCells, ThreeRowSystemShowsCountsAndPercentages) {
    const std::vector<NumberSet> rows = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    const auto grid = ResultGridCells(EvaluateHits(rows, 6, 2, 2), NumberLocale::English());
    EXPECT_EQ(grid[1], RowOf({"", "15", "6", "9"}));
    EXPECT_EQ(grid[2], RowOf({"", "", "40.00", "60.00"}));
    for (std::size_t r = 3; r < grid.size(); ++r) EXPECT_EQ(grid[r], Row{}) << r;
}

TEST(ResultGridCells, HitCountsBelowTheFirstStayEmptyAndCountsAreGrouped) {
    const std::vector<NumberSet> rows = {{1, 2, 3, 4, 5, 6}};
    const auto grid = ResultGridCells(EvaluateHits(rows, 49, 6, 6), NumberLocale::German());
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(grid[static_cast<std::size_t>(r)], Row{}) << r;
    EXPECT_EQ(grid[9][1], "13.983.816");
    EXPECT_EQ(grid[9][7], "1");  // the one draw that is the row
    EXPECT_EQ(grid[10][7], "0,00");
    EXPECT_EQ(grid[9][2], "5.775.588");  // draws sharing one number with the row
    EXPECT_EQ(grid[9][8], "");           // columns beyond k+1 stay empty
}

TEST(ResultGridCells, FullSystemShowsOnlyAllHits) {
    const auto grid = ResultGridCells(EvaluateFullSystem(7, 3), NumberLocale::English());
    EXPECT_EQ(grid[1], RowOf({"", "21", "---", "21"}));
    EXPECT_EQ(grid[2], RowOf({"", "", "---", "100.00"}));
    EXPECT_EQ(grid[3], RowOf({"", "35", "---", "---", "35"}));
    EXPECT_EQ(grid[4], RowOf({"", "", "---", "---", "100.00"}));
}

TEST(HitCountTexts, StoppedRunShowsPartialSkippedAndDrawCountOnly) {
    EvaluationResult result;
    result.wz = 10;
    result.firstHitCount = 2;
    result.lastHitCount = 4;
    result.state[2] = HitCountState::Partial;
    result.state[3] = HitCountState::Skipped;
    result.state[4] = HitCountState::DrawCountOnly;
    result.tally(2, 1) = 7;
    const NumberLocale en = NumberLocale::English();

    const HitCountRowTexts partial = HitCountTexts(result, 2, en);
    EXPECT_EQ(partial.counts, RowOf({"", "45", "7", "---"}));
    EXPECT_EQ(partial.percents, RowOf({"", "", "15.56", "---"}));
    const HitCountRowTexts skipped = HitCountTexts(result, 3, en);
    EXPECT_EQ(skipped.counts, RowOf({"", "120", "---", "---", "---"}));
    EXPECT_EQ(skipped.percents, RowOf({"", "", "---", "---", "---"}));
    const HitCountRowTexts drawCountOnly = HitCountTexts(result, 4, en);
    EXPECT_EQ(drawCountOnly.counts, RowOf({"", "210"}));
    EXPECT_EQ(drawCountOnly.percents, Row{});
    EXPECT_EQ(HitCountTexts(result, 5, en).counts, Row{});
}

}  // namespace
}  // namespace kombora
