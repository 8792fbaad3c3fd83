#include "evaluation/real_odds.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/binomial.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "evaluation/draws.h"

namespace kombora {
namespace {

std::vector<NumberSet> CatalogueRows(int index) {
    const TSysteme& entry = kBuiltinTable[static_cast<std::size_t>(index)];
    std::vector<NumberSet> rows;
    for (int r = 1; r <= entry.TR; ++r) {
        NumberSet set;
        for (int c = 1; c <= entry.RG; ++c) set.Add(DesignNumber(index, r, c));
        rows.push_back(set);
    }
    return rows;
}

std::vector<NumberSet> RandomRows(int wz, int rowSize, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> pool(static_cast<std::size_t>(wz));
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<NumberSet> rows;
    for (int r = 0; r < count; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        NumberSet set;
        for (int i = 0; i < rowSize; ++i) set.Add(pool[static_cast<std::size_t>(i)]);
        rows.push_back(set);
    }
    return rows;
}

std::vector<NumberSet> FullSystemRows(int wz, int rowSize) {
    std::vector<NumberSet> rows;
    DrawEnumerator row(wz, rowSize);
    while (row.Next()) rows.push_back(row.Set());
    return rows;
}

// Every draw of `drawn` out of 1..largest counted directly. The design numbers 1..wz stand
// for themselves, the bank numbers are wz+1..wz+banks and stand in every row.
struct Counted {
    std::vector<int64_t> bestRow;   // draws whose best row has m matches
    std::vector<int64_t> rowsWith;  // rows with m matches, summed over all draws
};

Counted CountEveryDraw(const std::vector<NumberSet>& designRows, int wz, int banks, int rowSize,
                       int largest, int drawn) {
    std::vector<NumberSet> rows = designRows;
    for (NumberSet& row : rows) {
        for (int b = 1; b <= banks; ++b) row.Add(wz + b);
    }
    Counted counted{std::vector<int64_t>(static_cast<std::size_t>(rowSize + 1)),
                    std::vector<int64_t>(static_cast<std::size_t>(rowSize + 1))};
    DrawEnumerator draw(largest, drawn);
    while (draw.Next()) {
        const NumberSet drawnSet = draw.Set();
        int best = 0;
        for (const NumberSet& row : rows) {
            const int m = row.IntersectionCount(drawnSet);
            best = std::max(best, m);
            ++counted.rowsWith[static_cast<std::size_t>(m)];
        }
        ++counted.bestRow[static_cast<std::size_t>(best)];
    }
    return counted;
}

struct BruteForceCase {
    const char* name;
    std::vector<NumberSet> rows;
    int wz;
    int rowSize;  // design numbers per row
    int banks;
    int largest;
    int drawn;
    bool fullSystem = false;
};

void PrintTo(const BruteForceCase& c, std::ostream* os) {
    *os << c.name;
}

class OddsAgainstEveryDraw : public ::testing::TestWithParam<BruteForceCase> {};

TEST_P(OddsAgainstEveryDraw, AgreeExactly) {
    const BruteForceCase& c = GetParam();
    const HitRange range = OddsHitRange(c.wz, c.drawn, c.largest);
    const std::optional<BestMatchCounts> counts =
        c.fullSystem ? FullSystemBestMatchCounts(c.wz, c.rowSize, range)
                     : CollectBestMatchCounts(c.rows, c.wz, c.rowSize, range);
    ASSERT_TRUE(counts.has_value());
    const auto rowCount = static_cast<int64_t>(c.rows.size());
    const RealOdds odds = ComputeRealOdds(*counts, rowCount, c.banks, c.largest, c.drawn);
    const Counted counted =
        CountEveryDraw(c.rows, c.wz, c.banks, c.rowSize + c.banks, c.largest, c.drawn);

    ASSERT_EQ(odds.lines.size(), counted.bestRow.size());
    EXPECT_EQ(odds.drawCount, Binomial(c.largest, c.drawn));
    long double probabilitySum = 0;
    for (const OddsLine& line : odds.lines) {
        const auto m = static_cast<std::size_t>(line.matches);
        EXPECT_EQ(line.bestRowDraws, counted.bestRow[m]) << "m = " << m;
        EXPECT_EQ(rowCount * line.rowDraws, counted.rowsWith[m]) << "m = " << m;
        EXPECT_NEAR(static_cast<double>(line.expectedRows),
                    static_cast<double>(counted.rowsWith[m]) / static_cast<double>(odds.drawCount),
                    1e-12);
        probabilitySum += line.bestRowProbability;
    }
    EXPECT_NEAR(static_cast<double>(probabilitySum), 1.0, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    SmallLotteries, OddsAgainstEveryDraw,
    ::testing::Values(
        // Catalogue entry 279: RG 6, WZ 10, GA 3, 10 rows.
        BruteForceCase{"Catalogue279_6of20", CatalogueRows(279), 10, 6, 0, 20, 6},
        BruteForceCase{"Catalogue279_TwoBanks_6of20", CatalogueRows(279), 10, 6, 2, 20, 6},
        BruteForceCase{"Catalogue279_PoolNearlyAll_6of13", CatalogueRows(279), 10, 6, 1, 13, 6},
        BruteForceCase{"RandomRows5_DrawsMoreThanARow", RandomRows(12, 5, 15, 7), 12, 5, 0, 20, 6},
        BruteForceCase{"RandomRows6_DrawsFewer", RandomRows(14, 6, 8, 11), 14, 6, 0, 20, 4},
        BruteForceCase{"RandomRows4_Banks", RandomRows(9, 4, 6, 3), 9, 4, 1, 18, 7},
        BruteForceCase{"FullSystem3of8", FullSystemRows(8, 3), 8, 3, 0, 16, 5, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OddsHitRange, StartsWhereTheLotteryForcesHitsIntoThePool) {
    EXPECT_EQ(OddsHitRange(10, 6, 49).first, 0);
    EXPECT_EQ(OddsHitRange(10, 6, 49).last, 6);
    EXPECT_EQ(OddsHitRange(46, 6, 49).first, 3);
    EXPECT_EQ(OddsHitRange(49, 6, 49).first, 6);
    EXPECT_EQ(OddsHitRange(4, 6, 49).last, 4);
}

TEST(CollectBestMatchCounts, TakesFinishedHitCountsFromAKnownTestAndEvaluatesTheRest) {
    const std::vector<NumberSet> rows = CatalogueRows(279);
    const HitRange range = OddsHitRange(10, 7, 49);  // 0..7
    const auto fresh = CollectBestMatchCounts(rows, 10, 6, range);
    ASSERT_TRUE(fresh.has_value());

    const EvaluationResult known = EvaluateHits(rows, 10, 2, 6);  // what the test page ran
    int64_t lastDone = 0;
    int64_t lastTotal = 0;
    const auto reused = CollectBestMatchCounts(rows, 10, 6, range, &known, {}, {},
                                               [&](int64_t done, int64_t total) {
                                                   lastDone = done;
                                                   lastTotal = total;
                                               });
    ASSERT_TRUE(reused.has_value());
    EXPECT_EQ(lastTotal, Binomial(10, 7)) << "only hit count 7 is evaluated";
    EXPECT_EQ(lastDone, lastTotal);
    for (int j = range.first; j <= range.last; ++j) {
        int64_t sum = 0;
        for (int m = 0; m <= 6; ++m) {
            EXPECT_EQ(reused->At(j, m), fresh->At(j, m)) << j << " hits, " << m << " matches";
            sum += fresh->At(j, m);
        }
        EXPECT_EQ(sum, Binomial(10, j));
    }

    // A test of another pool size says nothing about these rows.
    const EvaluationResult other = EvaluateHits(rows, 11, 2, 6);
    lastTotal = 0;
    ASSERT_TRUE(CollectBestMatchCounts(rows, 10, 6, range, &other, {}, {},
                                       [&](int64_t, int64_t total) { lastTotal = total; }));
    EXPECT_EQ(lastTotal, DrawTotal(10, 7, 2));
}

TEST(CollectBestMatchCounts, AStopRequestLeavesNoCounts) {
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(CollectBestMatchCounts(CatalogueRows(279), 10, 6, HitRange{0, 6}, nullptr, {},
                                        stop.get_token())
                     .has_value());
}

TEST(RealOdds, RefusesWhatNoLotteryCanBe) {
    const BestMatchCounts counts = FullSystemBestMatchCounts(10, 3, OddsHitRange(10, 6, 20));
    EXPECT_THROW(ComputeRealOdds(counts, 120, 0, 9, 6), std::invalid_argument);    // pool > lottery
    EXPECT_THROW(ComputeRealOdds(counts, 120, 11, 20, 6), std::invalid_argument);  // banks too
    EXPECT_THROW(ComputeRealOdds(counts, 120, 0, 20, 0), std::invalid_argument);
    EXPECT_THROW(ComputeRealOdds(counts, 120, 0, 20, 7), std::invalid_argument);  // counts short
    EXPECT_THROW(CollectBestMatchCounts({}, 30, 6, HitRange{0, 11}), std::invalid_argument);
}

TEST(RealOdds, OneRowInSixOutOf49) {
    NumberSet row{1, 2, 3, 4, 5, 6};
    const std::vector<NumberSet> rows{row};
    const auto counts = CollectBestMatchCounts(rows, 6, 6, OddsHitRange(6, 6, 49));
    ASSERT_TRUE(counts.has_value());
    const RealOdds odds = ComputeRealOdds(*counts, 1, 0, 49, 6);
    EXPECT_EQ(odds.drawCount, 13'983'816);
    EXPECT_EQ(odds.lines[6].bestRowDraws, 1);
    EXPECT_EQ(odds.lines[3].bestRowDraws, 246'820);
    EXPECT_EQ(odds.lines[0].bestRowDraws, 6'096'454);
    for (const OddsLine& line : odds.lines) {
        EXPECT_EQ(line.bestRowDraws, line.rowDraws) << "one row is its own best row";
    }
    EXPECT_EQ(DecimalText(odds.lines[6].bestRowProbability), "0.0000000715112384201852");
    EXPECT_EQ(OneInText(1, odds.drawCount, 1, NumberLocale::English()), "1 in 13,983,816");
    EXPECT_EQ(OneInText(1, odds.drawCount, 0, NumberLocale::German()), "1 zu 13.983.816");
    EXPECT_EQ(OneInText(246'820, odds.drawCount, 1, NumberLocale::English()), "1 in 57");
    EXPECT_EQ(OneInText(6'096'454, odds.drawCount, 0, NumberLocale::German()), "1 zu 2,3");
    EXPECT_EQ(OddsPercentText(246'820, odds.drawCount, NumberLocale::English()), "1.77");
    EXPECT_EQ(OddsPercentText(1, odds.drawCount, NumberLocale::German()), "0,00000715");
}

struct TextCase {
    long double value;
    const char* text;
};

TEST(DecimalText, FifteenSignificantDigitsWithoutExponent) {
    for (const TextCase& c :
         {TextCase{0, "0"}, TextCase{0.5L, "0.500000000000000"}, TextCase{1, "1.00000000000000"},
          TextCase{81.96141539619800L, "81.9614153961980"},
          TextCase{0.000125L, "0.000125000000000000"}}) {
        EXPECT_EQ(DecimalText(c.value), c.text);
    }
}

TEST(OneInText, EdgeCases) {
    EXPECT_EQ(OneInText(0, 100, 1, NumberLocale::English()), "never");
    EXPECT_EQ(OneInText(0, 100, 0, NumberLocale::German()), "nie");
    EXPECT_EQ(OneInText(100, 100, 1, NumberLocale::English()), "1 in 1");
    EXPECT_EQ(OneInText(40, 100, 1, NumberLocale::English()), "1 in 2.5");
    EXPECT_EQ(OddsPercentText(0, 100, NumberLocale::English()), "0");
    EXPECT_EQ(OddsPercentText(100, 100, NumberLocale::German()), "100,00");
}

}  // namespace
}  // namespace kombora

namespace kombora {
namespace {

TEST(HitCountMatches, CompleteHitCountsWithTheDrawsWithoutAMatch) {
    const std::vector<NumberSet> rows = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    EvaluationResult result = EvaluateHits(rows, 7, 2, 3);
    EXPECT_EQ(HitCountMatches(result, 2, 3), (std::vector<int64_t>{0, 12, 9, 0}));
    const auto three = HitCountMatches(result, 3, 3);
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ((*three)[0], 0);
    EXPECT_EQ((*three)[3], 3);
    EXPECT_EQ((*three)[1] + (*three)[2] + (*three)[3], Binomial(7, 3));
    EXPECT_FALSE(HitCountMatches(result, 4, 3).has_value()) << "outside the run";
    result.state[3] = HitCountState::Partial;
    EXPECT_FALSE(HitCountMatches(result, 3, 3).has_value());
}

}  // namespace
}  // namespace kombora
