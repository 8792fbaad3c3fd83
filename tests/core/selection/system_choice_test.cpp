#include "selection/system_choice.h"

#include <gtest/gtest.h>

#include "selection/catalogue_filter.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

struct DescriptionCase {
    int tip;
    TSysteme system;
    const char* text;
};

class SystemDescriptions : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(SystemDescriptions, ReadAsOnThePage) {
    EXPECT_EQ(SystemDescription(GetParam().tip, GetParam().system), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SystemDescriptions,
    ::testing::Values(
        DescriptionCase{6,
                        {4, 11, 3, 47},
                        "Selected was a system for 11 numbers plus 2 bank number in 47 rows "
                        "with 3er guarantee."},
        DescriptionCase{6,
                        {6, 13, 6, 1716},
                        "Selected was a system for 13 numbers w/o bank number in 1716 rows with "
                        "6er guarantee.\rA classic full system."},
        DescriptionCase{6,
                        {4, 11, 4, 330},
                        "Selected was a system for 11 numbers plus 2 bank number in 330 rows "
                        "with 4er guarantee.\rA \"full system\" on 2 bank numbers."},
        DescriptionCase{7,
                        {6, 13, 6, 1716},
                        "Selected was a system for 13 numbers plus one bank number in 1716 rows "
                        "with 6er guarantee.\rA \"full system\" on one bank number."},
        DescriptionCase{5,
                        {6, 13, 6, 1716},
                        "Selected was a system for 13 numbers in 1716 rows with 6er guarantee."},
        DescriptionCase{6,
                        {5, 32, 0, 28},
                        "Selected was a system for 32 numbers plus one bank number in 28 rows "
                        "w/o guarantee."}));

TEST(OwnSystemDescription, NamesRowSizeAndGuarantee) {
    EXPECT_EQ(OwnSystemDescription({5, 12, 3, 20}),
              "\"Own system\" for 12 numbers in 20 rows \u00e0 5 numbers with 3er guarantee.");
    EXPECT_EQ(OwnSystemDescription({5, 12, 0, 20}),
              "\"Own system\" for 12 numbers in 20 rows \u00e0 5 numbers w/o guarantee.");
}

// The real catalogue with two own systems: a usable one and one stored with row size 1.
class ChoosingASystem : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("ESY1.csv", "1,2,3,4,5\n");
        dir.Write("ESY2.csv", "1\n");
        context.catalogue.Build(
            {TEigSysteme{5, 12, 3, 20, 0.0, "ESY1.csv"}, TEigSysteme{1, 3, 1, 3, 0.0, "ESY2.csv"}},
            dir.path());
        ownFive = context.catalogue.BaseSystemCount();
        ownOne = ownFive + 1;
    }

    void Filter() {
        const int32_t previous = context.rows.TipSize;
        result = RunCatalogueFilter(params, context.catalogue, 59, context.rows);
        afterFilter = KeepSelectionAfterFilter(context, previous);
    }

    void ChooseNumbers() {
        context.rows.ChangingSet = {3, 5, 8};
        context.rows.ChangingCount = 3;
        context.rows.BankSet = {40};
        context.rows.BankCount = 1;
        context.rows.BankMode = true;
    }

    bool BoardEmpty() const {
        const RowStore& r = context.rows;
        return r.ChangingSet.Empty() && r.BankSet.Empty() && r.ChangingCount == 0 &&
               r.BankCount == 0 && !r.BankMode;
    }

    testing::TempDir dir;
    AppContext context;
    FilterParameters params;
    FilterResult result;
    std::optional<SystemPreparation> afterFilter;
    int32_t ownFive = 0;
    int32_t ownOne = 0;
};

TEST_F(ChoosingASystem, TheDefaultFiltersOnlyLineNeedsElevenAndTwoBankNumbers) {
    Filter();
    ASSERT_EQ(result.indices.size(), 1u);
    ChooseNumbers();
    const int32_t index = result.indices[0];
    const SystemPreparation p = GewaehltesSystem(context, index);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.poolText, "11");
    EXPECT_EQ(p.bankText, "2");
    EXPECT_EQ(p.description, "Selected was a system for 11 numbers plus 2 bank number in " +
                                 std::to_string(context.catalogue[index].TR) +
                                 " rows with 2er guarantee.");
    EXPECT_EQ(context.rows.ChangingNeeded, 11);
    EXPECT_EQ(context.rows.BankNeeded, 2);
    EXPECT_EQ(context.rows.TipSize, 6);
    EXPECT_TRUE(BoardEmpty());
}

TEST_F(ChoosingASystem, OwnSystemBeforeAnyFilterTakesItsRowSize) {
    const SystemPreparation p = GewaehltesSystem(context, ownFive);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(context.rows.TipSize, 5);
    EXPECT_EQ(context.rows.BankNeeded, 0);
    EXPECT_EQ(p.bankText, "0");
    EXPECT_EQ(p.description.rfind("\"Own system\" for ", 0), 0u);
}

TEST_F(ChoosingASystem, RowSizeAboveTheTipSizeLeavesTheBankLabel) {
    params.SetValue(FilterParam::TipSize, 4);
    Filter();
    const SystemPreparation p = GewaehltesSystem(context, ownFive);
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(context.rows.BankNeeded, -1);
    EXPECT_EQ(p.bankText, std::nullopt);
    EXPECT_EQ(p.poolText, "12");
}

TEST_F(ChoosingASystem, TipSizeBelowTwoFailsAndKeepsTheBoard) {
    ASSERT_TRUE(GewaehltesSystem(context, ownFive).ok);
    context.rows.TipSize = 0;  // as before any filter run
    ChooseNumbers();
    const SystemPreparation p = GewaehltesSystem(context, ownOne);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(context.rows.ChangingNeeded, 12);
    EXPECT_EQ(context.rows.ChangingCount, 3);
    EXPECT_TRUE(context.rows.BankSet.Contains(40));
}

TEST_F(ChoosingASystem, IndexOutsideTheCatalogueFails) {
    EXPECT_FALSE(GewaehltesSystem(context, -1).ok);
    EXPECT_FALSE(GewaehltesSystem(context, context.catalogue.size()).ok);
    EXPECT_EQ(context.rows.ChangingNeeded, 0);
}

TEST_F(ChoosingASystem, FilteringWithTheSameTipSizeKeepsSystemAndBoard) {
    Filter();
    context.SelectedSystem = result.indices.at(0);
    ASSERT_TRUE(GewaehltesSystem(context, context.SelectedSystem).ok);
    ChooseNumbers();
    params.SetNoMatter(FilterParam::BankNumbers, true);  // provisional bank count 4
    Filter();
    EXPECT_FALSE(afterFilter.has_value());
    EXPECT_EQ(context.rows.BankNeeded, 2);
    EXPECT_EQ(context.rows.ChangingCount, 3);
}

TEST_F(ChoosingASystem, FilteringWithAnotherTipSizePreparesTheSystemAgain) {
    Filter();
    context.SelectedSystem = result.indices.at(0);  // row size 4
    ASSERT_TRUE(GewaehltesSystem(context, context.SelectedSystem).ok);
    ChooseNumbers();
    params.SetValue(FilterParam::TipSize, 7);
    Filter();
    ASSERT_TRUE(afterFilter.has_value());
    EXPECT_TRUE(afterFilter->ok);
    EXPECT_EQ(afterFilter->bankText, "3");
    EXPECT_NE(afterFilter->description.find("plus 3 bank number in "), std::string::npos);
    EXPECT_EQ(context.rows.TipSize, 7);
    EXPECT_EQ(context.rows.BankNeeded, 3);
    EXPECT_TRUE(BoardEmpty());
}

TEST_F(ChoosingASystem, FilteringWithoutAChosenSystemOnlySetsTheProvisionalCounts) {
    context.SelectedSystem = 0;  // set, but never prepared
    params.SetNoMatter(FilterParam::BankNumbers, true);
    Filter();
    EXPECT_FALSE(afterFilter.has_value());
    EXPECT_EQ(context.rows.BankNeeded, 4);
    EXPECT_EQ(context.rows.ChangingNeeded, 0);
}

}  // namespace
}  // namespace kombora
