#include "selection/catalogue_filter.h"

#include <gtest/gtest.h>

#include <set>

#include "support/temp_dir.h"

namespace kombora {
namespace {

using P = FilterParam;

struct NearCase {
    int rows;
    int wanted;
    bool near;  // the result: true means "does not match"
};

class RowCountTolerance : public ::testing::TestWithParam<NearCase> {};

TEST_P(RowCountTolerance, MatchesTheTable) {
    const auto& c = GetParam();
    EXPECT_EQ(RowCountNear(c.rows, c.wanted), c.near) << c.rows << " rows for " << c.wanted;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowCountTolerance,
    ::testing::Values(
        NearCase{24, 24, false}, NearCase{31, 24, true}, NearCase{12, 5, false},  // both at most 12
        NearCase{13, 5, true}, NearCase{63, 50, true},  // 50 * 1.25 = 62.5 rounds to 62
        NearCase{62, 50, false},
        NearCase{112, 150, true},  // 150 / 1.333333 = 112.50003 rounds to 113
        NearCase{113, 150, false}, NearCase{188, 150, false},  // 150 * 1.25 = 187.5 rounds to 188
        NearCase{189, 150, true}, NearCase{10, 20, false},     // band 10..20, bounds included
        NearCase{30, 18, false},                               // band 18..30, though 30 > 18 * 1.25
        NearCase{124, 96, false},                              // band 96..124
        NearCase{125, 96, true}, NearCase{9, 13, true},        // 13 / 1.333333 = 9.75 rounds to 10
        NearCase{10, 13, false}, NearCase{5, 500, true}, NearCase{500, 500, false},
        NearCase{625, 500, false}, NearCase{626, 500, true}));

TEST(RowCountNear, FromTheFilterEveryCountMatchesWhileNoMatterOrForced) {
    FilterParameters f;  // row count "no matter"
    EXPECT_FALSE(RowCountNear(1716, 24, true, f));
    EXPECT_TRUE(RowCountNear(1716, 24, false, f));
    f.SetValue(P::RowCount, 25);
    EXPECT_TRUE(RowCountNear(1716, 25, true, f));
    f.SetValue(P::Guarantee, 4);  // forced
    EXPECT_FALSE(RowCountNear(1716, 25, true, f));
}

struct LineCase {
    TSysteme system;
    int bank;
    const char* line;
};

class ResultLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ResultLines, ReadAsTheList) {
    EXPECT_EQ(ResultLine(GetParam().system, GetParam().bank), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultLines,
    ::testing::Values(
        LineCase{{4, 11, 3, 47}, 2, "11 numbers plus 2 bn in 47 rows with 3er guarantee"},
        LineCase{{6, 13, 6, 1716}, 0, "13 numbers w/o bn in 1716 rows with 6er guarantee"},
        LineCase{{5, 12, 4, 113}, 1, "12 numbers plus one bn in 113 rows with 4er guarantee"},
        LineCase{{5, 32, 0, 28}, 1, "32 numbers plus one bn in 28 rows w/o guarantee"}));

struct CountTextCase {
    std::size_t count;
    int language;
    std::optional<std::string> text;
};

class FoundCountTexts : public ::testing::TestWithParam<CountTextCase> {};

TEST_P(FoundCountTexts, FollowTheLanguage) {
    EXPECT_EQ(FoundCountText(GetParam().count, GetParam().language), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FoundCountTexts,
                         ::testing::Values(CountTextCase{0, 0, "Keine Systeme gefunden"},
                                           CountTextCase{1, 0, "Ein System gefunden"},
                                           CountTextCase{2, 0, "2 Systeme gefunden"},
                                           CountTextCase{0, 1, "No systems found"},
                                           CountTextCase{1, 1, "One system found"},
                                           CountTextCase{1234, 1, "1234 systems found"},
                                           CountTextCase{1, 2, std::nullopt},
                                           CountTextCase{0, -1, std::nullopt}));

// The filter on the catalogue the program ships: built-in and full systems, no own systems.
class RealCatalogue : public ::testing::Test {
  protected:
    void SetUp() override { catalogue.Build({}, dir.path()); }

    // The index of the first built-in entry with these parameters.
    int32_t IndexOf(int rg, int wz, int ga) const {
        for (int32_t i = 0; i < catalogue.BaseSystemCount(); ++i) {
            const TSysteme& e = catalogue[i];
            if (e.RG == rg && e.WZ == wz && e.GA == ga) return i;
        }
        return -1;
    }

    FilterResult Run(int32_t largest = 59) {
        return RunCatalogueFilter(params, catalogue, largest, rows);
    }

    testing::TempDir dir;
    Catalogue catalogue;
    FilterParameters params;
    RowStore rows;
};

TEST_F(RealCatalogue, DefaultsListTheOneSystemOfElevenNumbersWithTwoBankNumbers) {
    params.SetLargestNumber(59);
    const FilterResult r = Run();
    const int32_t index = IndexOf(4, 11, 2);
    ASSERT_GE(index, 0);
    ASSERT_EQ(r.indices, std::vector<int32_t>{index});
    EXPECT_EQ(r.lines.at(0), "11 numbers plus 2 bn in " + std::to_string(catalogue[index].TR) +
                                 " rows with 2er guarantee");
    EXPECT_EQ(rows.TipSize, 6);
    EXPECT_EQ(rows.BankNeeded, 2);
}

TEST_F(RealCatalogue, AtMostBankNumbersListFewerBankNumbersFirst) {
    params.SetNoMatter(P::Pool, true);
    params.SelectChoice(P::BankNumbers, kChoiceAtMost);
    const FilterResult r = Run();
    ASSERT_FALSE(r.indices.empty());
    std::set<int> seen;
    int lastBank = 0;
    int32_t lastIndex = -1;
    for (const int32_t i : r.indices) {
        const int bank = 6 - catalogue[i].RG;
        ASSERT_GE(bank, lastBank);
        if (bank == lastBank) {
            ASSERT_GT(i, lastIndex);  // by catalogue index within one bank count
        }
        EXPECT_EQ(catalogue[i].GA, 2);
        lastBank = bank;
        lastIndex = i;
        seen.insert(bank);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(rows.BankNeeded, 2);
}

TEST_F(RealCatalogue, AtMostGuaranteeAdmitsEveryHigherGuaranteeButNoneWithout) {
    params.AllNoMatter();
    params.SetNoMatter(P::BankNumbers, false);  // 0 to 2 bank numbers leave 4 places or more
    params.SelectChoice(P::BankNumbers, kChoiceAtMost);
    params.SetValue(P::Guarantee, 3);
    params.SelectChoice(P::Guarantee, kChoiceAtMost);
    const FilterResult r = Run();
    std::set<int> guarantees;
    for (const int32_t i : r.indices) guarantees.insert(catalogue[i].GA);
    EXPECT_EQ(*guarantees.begin(), 3);
    EXPECT_GT(guarantees.size(), 2u);

    // The systems without a guarantee appear only with the guarantee "no matter".
    params.SetNoMatter(P::Guarantee, true);
    const FilterResult all = Run();
    bool withoutGuarantee = false;
    for (const int32_t i : all.indices) withoutGuarantee |= catalogue[i].GA == 0;
    EXPECT_TRUE(withoutGuarantee);
    EXPECT_GT(all.indices.size(), r.indices.size());
}

TEST_F(RealCatalogue, FullSystemIsListedLikeAnyOther) {
    params.SetValue(P::BankNumbers, 0);
    params.SetValue(P::Guarantee, 6);
    const FilterResult r = Run();
    ASSERT_EQ(r.lines,
              std::vector<std::string>{"13 numbers w/o bn in 1716 rows with 6er guarantee"});
    EXPECT_TRUE(catalogue.IsFull(r.indices.at(0)));
}

TEST_F(RealCatalogue, PoolAndBankNumbersStayWithinTheLargestNumber) {
    params.AllNoMatter();
    for (const int32_t largest : {32, 49, 100}) {
        const FilterResult r = Run(largest);
        ASSERT_FALSE(r.indices.empty());
        for (const int32_t i : r.indices) {
            EXPECT_LE(catalogue[i].WZ + 6 - catalogue[i].RG, largest) << "index " << i;
        }
    }
    EXPECT_LT(Run(32).indices.size(), Run(100).indices.size());
}

TEST_F(RealCatalogue, RowCountIsMatchedWithItsTolerance) {
    params.SetNoMatter(P::Pool, true);
    params.SetNoMatter(P::Guarantee, true);
    params.SetValue(P::BankNumbers, 0);
    params.SelectChoice(P::BankNumbers, kChoiceAtMost);
    params.SetValue(P::RowCount, 84);
    const FilterResult r = Run();
    bool fullSixOfNine = false;
    for (const int32_t i : r.indices) {
        EXPECT_FALSE(RowCountNear(catalogue[i].TR, 84)) << "index " << i;
        fullSixOfNine |= catalogue.IsFull(i) && catalogue[i].WZ == 9;
    }
    EXPECT_TRUE(fullSixOfNine);  // C(9, 6) = 84
    params.SetNoMatter(P::RowCount, true);
    EXPECT_GT(Run().indices.size(), r.indices.size());
}

TEST_F(RealCatalogue, GuaranteeIsLoweredToWhatTheBankNumbersLeave) {
    params.SetValue(P::TipSize, 8);
    params.SetValue(P::Guarantee, 7);
    params.SetValue(P::BankNumbers, 3);
    params.SelectChoice(P::Guarantee, kChoiceAtMost);
    Run();
    EXPECT_EQ(params.Value(P::Guarantee), 5);
    EXPECT_EQ(params.Slider(P::Guarantee).maximum, 5);
    EXPECT_EQ(params.Choice(P::Guarantee), kChoiceExact);
    EXPECT_EQ(params.ValueLabel(P::Guarantee), "5");
    // The next tip-row-size change gives the guarantee its full range back.
    params.SetValue(P::TipSize, 9);
    EXPECT_EQ(params.Slider(P::Guarantee).maximum, 9);
}

TEST_F(RealCatalogue, GuaranteeMaximumAtTheSlidersMinimumStays) {
    params.SetValue(P::Guarantee, 5);
    params.SetValue(P::BankNumbers, 4);  // 6 - 4 = 2 places left
    Run();
    EXPECT_EQ(params.Value(P::Guarantee), 2);
    EXPECT_EQ(params.Slider(P::Guarantee).maximum, 6);  // a maximum of 2 is ignored
}

TEST_F(RealCatalogue, GuaranteeWithNothingSelectedAdmitsEveryGuarantee) {
    params.SetNoMatter(P::Pool, true);
    params.SelectChoice(P::Guarantee, kChoiceNone);
    const auto none = Run().indices;
    params.SetNoMatter(P::Guarantee, true);
    EXPECT_EQ(none, Run().indices);
}

TEST_F(RealCatalogue, NothingFoundAfterAFindEmptiesTheResult) {
    ASSERT_FALSE(Run().indices.empty());
    params.SetValue(P::Pool, 59);
    params.SetValue(P::Guarantee, 6);
    params.SetValue(P::BankNumbers, 0);
    const FilterResult r = Run(59);
    EXPECT_TRUE(r.indices.empty());
    EXPECT_TRUE(r.lines.empty());
}

TEST(CatalogueFilter, OwnSystemsAreFilteredWithTheOthers) {
    testing::TempDir dir;
    dir.Write("ESY1.csv", "1,2,3,4\n");
    Catalogue catalogue;
    catalogue.Build({TEigSysteme{4, 11, 2, 9, 0.0, "ESY1.csv"}}, dir.path());
    FilterParameters params;
    RowStore rows;
    const FilterResult r = RunCatalogueFilter(params, catalogue, 59, rows);
    ASSERT_EQ(r.indices.size(), 2u);
    EXPECT_TRUE(catalogue.IsOwn(r.indices[1]));
    EXPECT_EQ(r.lines[1], "11 numbers plus 2 bn in 9 rows with 2er guarantee");
}

}  // namespace
}  // namespace kombora
