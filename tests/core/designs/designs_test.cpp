// The rows of the built-in systems: their form, their guarantees and the report about them.
#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "catalogue/builtin_designs.h"
#include "catalogue/builtin_guarantees.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "catalogue/design_check.h"
#include "catalogue/design_report.h"

namespace kombora {
namespace {

RowMask Row(std::initializer_list<int> numbers) {
    RowMask m = 0;
    for (int d : numbers) m |= RowMask{1} << (d - 1);
    return m;
}

std::vector<RowMask> EntryMasks(int index) {
    const TSysteme& e = BuiltinDesigns()[static_cast<std::size_t>(index)];
    std::string error;
    auto masks = RowsToMasks(BuiltinRows(index), e.RG, e.WZ, &error);
    EXPECT_TRUE(masks.has_value()) << "entry " << index << ": " << error;
    return masks.value_or(std::vector<RowMask>{});
}

// What every entry must keep, written out independently of the program's own list.
std::vector<DrawGuarantee> ExpectedGuarantees(int index) {
    const TSysteme& e = kBuiltinTable[static_cast<std::size_t>(index)];
    if (index == 391) return {{6, 3}};
    if (index >= 122 && index <= 140) return {{4, 2}};
    if (index >= 141 && index <= 182) return {{3, 2}};
    if (index >= 183 && index <= 219) return {{4, 2}};
    std::vector<DrawGuarantee> g{{e.GA, e.GA}};
    if (index == 386) g.insert(g.end(), {{6, 5}});
    if (index == 387 || index == 388) g.insert(g.end(), {{6, 5}, {7, 6}});
    if (index == 389 || index == 390) g.insert(g.end(), {{5, 4}, {7, 5}});
    return g;
}

// ---- the checker itself, on small fixtures ----

const std::vector<RowMask> kFano{Row({1, 2, 3}), Row({1, 4, 5}), Row({1, 6, 7}), Row({2, 4, 6}),
                                 Row({2, 5, 7}), Row({3, 4, 7}), Row({3, 5, 6})};

struct CheckCase {
    const char* name;
    int pool;
    std::vector<RowMask> rows;
    DrawGuarantee guarantee;
    std::optional<std::vector<int>> unmet;  // the first draw the search reports
};

class UnmetDrawTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(UnmetDrawTest, FindsTheFirstDrawNoRowMeets) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(FindUnmetDraw(c.pool, c.rows, c.guarantee), c.unmet);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, UnmetDrawTest,
    ::testing::Values(
        CheckCase{"FanoCoversPairs", 7, kFano, {2, 2}, std::nullopt},
        CheckCase{"FanoWithoutALine",
                  7,
                  {kFano.begin(), kFano.end() - 1},
                  {2, 2},
                  std::vector<int>{3, 5}},
        CheckCase{"FanoMissesATriple", 7, kFano, {3, 3}, std::vector<int>{1, 2, 4}},
        // Two disjoint rows of five over ten numbers: any three have two in one row...
        CheckCase{"TwoHalvesThreeDrawn",
                  10,
                  {Row({1, 2, 3, 4, 5}), Row({6, 7, 8, 9, 10})},
                  {3, 2},
                  std::nullopt},
        // ...but two drawn numbers need not share a row, and an eleventh number is uncovered.
        CheckCase{"TwoHalvesTwoDrawn",
                  10,
                  {Row({1, 2, 3, 4, 5}), Row({6, 7, 8, 9, 10})},
                  {2, 2},
                  std::vector<int>{1, 6}},
        CheckCase{"NumberInNoRow",
                  11,
                  {Row({1, 2, 3, 4, 5}), Row({6, 7, 8, 9, 10})},
                  {3, 2},
                  std::vector<int>{1, 6, 11}},
        CheckCase{"OneMatchFromTheUnion", 6, {Row({1, 2, 3})}, {2, 1}, std::vector<int>{4, 5}},
        CheckCase{"DrawLargerThanPool", 4, {}, {5, 2}, std::nullopt},
        CheckCase{"NoRows", 5, {}, {2, 2}, std::vector<int>{1, 2}},
        // A pool beyond 64 numbers cannot be proved with row masks: never reported as kept.
        CheckCase{"PoolBeyondMasks", 65, {~RowMask{0}}, {2, 2}, std::vector<int>{1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

// Brute force over every draw, to confirm the search on every small pool.
bool BruteForceKeeps(int pool, const std::vector<RowMask>& rows, DrawGuarantee g) {
    for (RowMask draw = 0; draw < (RowMask{1} << pool); ++draw) {
        if (std::popcount(draw) != g.drawn) continue;
        bool met = false;
        for (RowMask r : rows) met = met || std::popcount(r & draw) >= g.matches;
        if (!met) return false;
    }
    return true;
}

TEST(UnmetDraw, AgreesWithBruteForceOnRandomRows) {
    uint64_t state = 12345;
    auto next = [&] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    };
    for (int round = 0; round < 300; ++round) {
        const int pool = 6 + static_cast<int>(next() % 6);
        const int k = 3 + static_cast<int>(next() % 3);
        const int count = 1 + static_cast<int>(next() % 12);
        std::vector<RowMask> rows;
        for (int r = 0; r < count; ++r) {
            RowMask m = 0;
            while (std::popcount(m) < k) m |= RowMask{1} << (next() % static_cast<uint64_t>(pool));
            rows.push_back(m);
        }
        const int matches = 1 + static_cast<int>(next() % 3);
        const int drawn = matches + static_cast<int>(next() % 3);
        const DrawGuarantee g{drawn, matches};
        EXPECT_EQ(!FindUnmetDraw(pool, rows, g).has_value(), BruteForceKeeps(pool, rows, g))
            << "pool " << pool << " drawn " << drawn << " matches " << matches;
    }
}

TEST(RowsToMasks, RejectsMalformedRows) {
    const std::vector<uint8_t> good{1, 2, 3, 2, 3, 4};
    EXPECT_EQ(RowsToMasks(good, 3, 4), (std::vector<RowMask>{Row({1, 2, 3}), Row({2, 3, 4})}));
    std::string error;
    const std::vector<uint8_t> outside{1, 2, 5};
    EXPECT_FALSE(RowsToMasks(outside, 3, 4, &error));
    EXPECT_EQ(error, "row 1 has a number outside 1..4");
    const std::vector<uint8_t> twice{1, 2, 3, 2, 2, 4};
    EXPECT_FALSE(RowsToMasks(twice, 3, 4, &error));
    EXPECT_EQ(error, "row 2 holds 2 twice");
    const std::vector<uint8_t> partial{1, 2, 3, 4};
    EXPECT_FALSE(RowsToMasks(partial, 3, 4, &error));
    const std::vector<uint8_t> zero{0, 1, 2};
    EXPECT_FALSE(RowsToMasks(zero, 3, 4, &error));
}

TEST(SchoenheimBound, KnownValues) {
    struct Case {
        int v, k, t;
        int64_t bound;
    };
    for (const Case& c :
         {Case{7, 3, 2, 7}, Case{49, 6, 2, 82}, Case{10, 6, 4, 19}, Case{13, 6, 5, 245},
          Case{12, 6, 5, 132}, Case{20, 4, 3, 285}, Case{4, 3, 2, 3}, Case{19, 4, 3, 257}}) {
        EXPECT_EQ(SchoenheimBound(c.v, c.k, c.t), c.bound) << c.v << " " << c.k << " " << c.t;
    }
}

// ---- every built-in entry ----

TEST(BuiltinDesigns, TheCatalogueCountsTheRowsOfTheData) {
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = BuiltinDesigns()[static_cast<std::size_t>(i)];
        const TSysteme& t = kBuiltinTable[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.TR, BuiltinRowCount(i)) << "entry " << i;
        EXPECT_EQ(e.RG, t.RG);
        EXPECT_EQ(e.WZ, t.WZ);
        EXPECT_EQ(e.GA, t.GA);
        EXPECT_GT(e.TR, 0) << "entry " << i;
        EXPECT_EQ(BuiltinRows(i).size(), static_cast<std::size_t>(e.TR) * e.RG) << "entry " << i;
    }
}

TEST(BuiltinDesigns, RowsHoldDistinctAscendingPoolNumbers) {
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = BuiltinDesigns()[static_cast<std::size_t>(i)];
        for (int r = 1; r <= e.TR; ++r) {
            for (int c = 1; c <= e.RG; ++c) {
                const int d = DesignNumber(i, r, c);
                ASSERT_GE(d, 1) << "entry " << i << " row " << r;
                ASSERT_LE(d, e.WZ) << "entry " << i << " row " << r;
                if (c > 1) {
                    ASSERT_LT(DesignNumber(i, r, c - 1), d) << "entry " << i << " row " << r;
                }
            }
        }
    }
}

// Every t-subset of the pool in some row, with a bit set over the colex ranks of the t-sets.
TEST(BuiltinDesigns, CoveringDesignsHoldEveryGuaranteedSubset) {
    uint64_t binom[65][11] = {};
    for (int n = 0; n <= 64; ++n) {
        binom[n][0] = 1;
        for (int k = 1; k <= 10; ++k) binom[n][k] = n ? binom[n - 1][k - 1] + binom[n - 1][k] : 0;
    }
    auto rank = [&](const int* pts, int t) {
        uint64_t r = 0;
        for (int j = 0; j < t; ++j) r += binom[pts[j]][j + 1];
        return r;
    };
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = BuiltinDesigns()[static_cast<std::size_t>(i)];
        if (e.GA < 2 || i == 391) continue;
        const int t = e.GA;
        std::vector<bool> covered(binom[e.WZ][t], false);
        const auto rows = BuiltinRows(i);
        for (int r = 0; r < e.TR; ++r) {
            const uint8_t* row = rows.data() + static_cast<std::size_t>(r) * e.RG;
            int idx[10];
            for (int j = 0; j < t; ++j) idx[j] = j;
            while (true) {
                int pts[10];
                for (int j = 0; j < t; ++j) pts[j] = row[idx[j]] - 1;
                covered[rank(pts, t)] = true;
                int j = t - 1;
                while (j >= 0 && idx[j] == e.RG - t + j) --j;
                if (j < 0) break;
                ++idx[j];
                for (int m = j + 1; m < t; ++m) idx[m] = idx[m - 1] + 1;
            }
        }
        std::size_t missing = 0;
        for (bool c : covered) missing += c ? 0 : 1;
        EXPECT_EQ(missing, 0u) << "entry " << i << " leaves " << missing << " of " << covered.size()
                               << " " << t << "-subsets outside every row";
    }
}

TEST(BuiltinDesigns, EveryEntryKeepsItsGuarantees) {
    for (int i = 0; i < kBuiltinCount; ++i) {
        const TSysteme& e = BuiltinDesigns()[static_cast<std::size_t>(i)];
        const auto masks = EntryMasks(i);
        for (const DrawGuarantee& g : ExpectedGuarantees(i)) {
            const auto unmet = FindUnmetDraw(e.WZ, masks, g);
            std::string draw;
            if (unmet) {
                for (int d : *unmet) draw += " " + std::to_string(d);
            }
            EXPECT_FALSE(unmet.has_value())
                << "entry " << i << " breaks \"" << DescribeGuarantee(g) << "\" at" << draw;
        }
    }
}

TEST(BuiltinDesigns, TheProgramListsTheGuaranteesTheRowsKeep) {
    for (int i = 0; i < kBuiltinCount; ++i) {
        EXPECT_EQ(BuiltinGuarantees(i), ExpectedGuarantees(i)) << "entry " << i;
    }
}

TEST(BuiltinDesigns, TellingRows) {
    struct Telling {
        int index;
        std::vector<uint8_t> rows;
    };
    for (const Telling& t :
         {Telling{0, {1, 2, 3, 1, 2, 4, 1, 3, 4}},
          Telling{3, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}},
          Telling{68, {1, 2, 3, 4, 5, 1, 2, 3, 4, 6, 1, 2, 3, 5, 6}},
          Telling{141, {1, 2, 6, 7, 8, 2, 3, 4, 5, 9}}}) {
        const auto rows = BuiltinRows(t.index);
        EXPECT_EQ(std::vector<uint8_t>(rows.begin(), rows.end()), t.rows) << "entry " << t.index;
    }
    EXPECT_EQ(DesignNumber(3, 4, 2), 4);  // the fourth Fano line is 2 4 6
    EXPECT_EQ(DesignNumber(0, 3, 3), 4);
}

TEST(BuiltinDesigns, DesignNumberOutsideTheRowsIsZero) {
    const int rows = BuiltinRowCount(0);
    for (auto [i, r, c] : {std::tuple{-1, 1, 1}, std::tuple{519, 1, 1}, std::tuple{0, 0, 1},
                           std::tuple{0, rows + 1, 1}, std::tuple{0, 1, 0}, std::tuple{0, 1, 4}}) {
        EXPECT_EQ(DesignNumber(i, r, c), 0) << i << " " << r << " " << c;
    }
    EXPECT_TRUE(BuiltinRows(-1).empty());
    EXPECT_EQ(BuiltinRowCount(519), 0);
}

// docs/designs.md is generated from the data; it must be made again when the data changes.
TEST(DesignsReport, DocumentIsUpToDate) {
    const std::filesystem::path doc =
        std::filesystem::path(KOMBORA_SOURCE_DIR) / "docs" / "designs.md";
    std::ifstream in(doc, std::ios::binary);
    ASSERT_TRUE(in) << doc << " is missing; run: designgen doc > docs/designs.md";
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(text.str() == BuiltinDesignsReport())
        << "docs/designs.md is stale; run: designgen doc > docs/designs.md";
}

}  // namespace
}  // namespace kombora
