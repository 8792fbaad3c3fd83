#include "selection/filter_parameters.h"

#include <gtest/gtest.h>

namespace kombora {
namespace {

using P = FilterParam;

TEST(FilterParameters, StartsConsistentAfterTheTipSizeHandlerRan) {
    const FilterParameters f;
    EXPECT_EQ(f.Value(P::Pool), 13);
    EXPECT_EQ(f.Slider(P::Pool).maximum, 50);
    EXPECT_EQ(f.Slider(P::Guarantee).maximum, 6);
    EXPECT_EQ(f.Slider(P::BankNumbers).maximum, 4);
    EXPECT_EQ(f.Value(P::RowCount), 24);
    EXPECT_TRUE(f.Info3Visible());
    EXPECT_FALSE(f.Info5Visible());
    EXPECT_FALSE(f.RowCountForced());
    EXPECT_FALSE(f.Hint4Visible());
    EXPECT_TRUE(f.RowCountControlsVisible());
    EXPECT_TRUE(f.NoMatter(P::RowCount));
    EXPECT_EQ(f.ValueLabel(P::RowCount), "X");
    EXPECT_EQ(f.ValueLabel(P::Pool), "13");
    EXPECT_EQ(f.ValueLabel(P::TipSize), "6");
    EXPECT_EQ(f.Choice(P::Guarantee), kChoiceExact);
    EXPECT_EQ(f.Choice(P::BankNumbers), kChoiceExact);
}

struct TipSizeCase {
    int tip;
    int bankMaximum;
    int guaranteeMaximum;
    bool info3;
    bool info5;
};

class TipSizeLimits : public ::testing::TestWithParam<TipSizeCase> {};

// The tip-row size bounds the guarantee and the bank numbers; a slider whose value was higher
// drops to its new maximum.
TEST_P(TipSizeLimits, BoundGuaranteeAndBankNumbers) {
    const auto& c = GetParam();
    FilterParameters f;
    f.SetValue(P::TipSize, 10);
    f.SetValue(P::Guarantee, 10);
    f.SetValue(P::BankNumbers, 4);
    f.SetNoMatter(P::BankNumbers, true);
    f.SetValue(P::TipSize, c.tip);
    EXPECT_EQ(f.Slider(P::BankNumbers).maximum, c.bankMaximum);
    EXPECT_EQ(f.Value(P::BankNumbers), std::min(4, c.bankMaximum));
    EXPECT_EQ(f.Slider(P::Guarantee).maximum, c.guaranteeMaximum);
    EXPECT_EQ(f.Value(P::Guarantee), c.guaranteeMaximum);
    EXPECT_EQ(f.Info3Visible(), c.info3);
    EXPECT_EQ(f.Info5Visible(), c.info5);
    // Lowering the value runs the bank-number change handler, which unchecks its box.
    EXPECT_EQ(f.NoMatter(P::BankNumbers), c.bankMaximum == 4);
}

INSTANTIATE_TEST_SUITE_P(Table, TipSizeLimits,
                         ::testing::Values(TipSizeCase{4, 2, 4, true, true},
                                           TipSizeCase{5, 3, 5, true, true},
                                           TipSizeCase{6, 4, 6, true, false},
                                           TipSizeCase{9, 4, 9, true, false},
                                           TipSizeCase{10, 4, 10, false, false}));

TEST(FilterParameters, FullGuaranteeWithExactBankNumbersForcesTheRowCount) {
    FilterParameters f;  // pool 13, tip 6, bank numbers 2 "exact"
    f.SetValue(P::Guarantee, 4);
    EXPECT_TRUE(f.Zwang());
    EXPECT_TRUE(f.RowCountForced());
    EXPECT_TRUE(f.Hint4Visible());
    EXPECT_FALSE(f.RowCountControlsVisible());
    EXPECT_EQ(f.ValueLabel(P::RowCount), "330");  // C(11, 4)

    // Changing the pool follows at once.
    f.SetValue(P::Pool, 14);
    EXPECT_EQ(f.ValueLabel(P::RowCount), "495");  // C(12, 4)

    // "at most" ends the forcing and brings the row count back with its "no matter" state.
    f.SelectChoice(P::BankNumbers, kChoiceAtMost);
    EXPECT_FALSE(f.RowCountForced());
    EXPECT_FALSE(f.Hint4Visible());
    EXPECT_TRUE(f.RowCountControlsVisible());
    EXPECT_TRUE(f.NoMatter(P::RowCount));
    EXPECT_EQ(f.ValueLabel(P::RowCount), "X");
}

TEST(FilterParameters, EndingTheForcingKeepsAChosenRowCount) {
    FilterParameters f;
    f.SetValue(P::RowCount, 40);
    f.SetValue(P::Guarantee, 4);
    ASSERT_EQ(f.ValueLabel(P::RowCount), "330");
    f.SetNoMatter(P::Guarantee, true);
    EXPECT_FALSE(f.RowCountForced());
    EXPECT_FALSE(f.NoMatter(P::RowCount));
    EXPECT_EQ(f.ValueLabel(P::RowCount), "40");
}

struct ForcedCountCase {
    int pool;
    int tip;
    int guarantee;
    int bank;
    const char* label;
};

class ForcedRowCount : public ::testing::TestWithParam<ForcedCountCase> {};

TEST_P(ForcedRowCount, IsTheFullSystemsRowCount) {
    const auto& c = GetParam();
    FilterParameters f;
    f.SetValue(P::TipSize, c.tip);
    f.SetValue(P::Pool, c.pool);
    f.SetValue(P::Guarantee, c.guarantee);
    f.SetValue(P::BankNumbers, c.bank);
    ASSERT_TRUE(f.RowCountForced());
    EXPECT_EQ(f.ValueLabel(P::RowCount), c.label);
}

INSTANTIATE_TEST_SUITE_P(Table, ForcedRowCount,
                         ::testing::Values(ForcedCountCase{13, 6, 4, 2, "330"},
                                           ForcedCountCase{13, 6, 6, 0, "1716"},
                                           ForcedCountCase{6, 6, 4, 2, "1"},  // pool = tip
                                           ForcedCountCase{4, 6, 4, 2, "0"},  // pool < tip
                                           ForcedCountCase{49, 10, 6, 4, "8145060"}));

TEST(FilterParameters, BankNumbersZeroSelectsExact) {
    FilterParameters f;
    f.SelectChoice(P::BankNumbers, kChoiceAtMost);
    f.SetValue(P::BankNumbers, 0);
    EXPECT_EQ(f.Choice(P::BankNumbers), kChoiceExact);
    EXPECT_EQ(f.ValueLabel(P::BankNumbers), "0");
}

class MovingASlider : public ::testing::TestWithParam<FilterParam> {};

// A slider movement unchecks the parameter's "no matter" box and shows the number; checking
// the box shows "X".
TEST_P(MovingASlider, UnchecksNoMatterAndShowsTheValue) {
    const FilterParam p = GetParam();
    FilterParameters f;
    f.SetNoMatter(p, true);
    EXPECT_EQ(f.ValueLabel(p), "X");
    f.SetValue(p, f.Value(p) + 1);
    EXPECT_FALSE(f.NoMatter(p));
    EXPECT_EQ(f.ValueLabel(p), std::to_string(f.Value(p)));
    f.SetNoMatter(p, true);
    EXPECT_EQ(f.ValueLabel(p), "X");
}

INSTANTIATE_TEST_SUITE_P(Table, MovingASlider,
                         ::testing::Values(P::Pool, P::Guarantee, P::RowCount, P::BankNumbers));

TEST(FilterParameters, AllNoMatterLeavesTheTipSizeAndEndsTheForcing) {
    FilterParameters f;
    f.SetValue(P::Guarantee, 4);
    ASSERT_TRUE(f.RowCountForced());
    f.AllNoMatter();
    EXPECT_FALSE(f.RowCountForced());
    EXPECT_TRUE(f.RowCountControlsVisible());
    EXPECT_EQ(f.ValueLabel(P::TipSize), "6");
    for (const FilterParam p : {P::Pool, P::Guarantee, P::RowCount, P::BankNumbers}) {
        EXPECT_TRUE(f.NoMatter(p));
        EXPECT_EQ(f.ValueLabel(p), "X");
    }
}

// The behaviours of the controls that the coupling relies on.
TEST(FilterParameters, SliderIgnoresAMaximumNotAboveItsMinimum) {
    FilterParameters f;
    f.SetMaximum(P::Guarantee, 2);
    EXPECT_EQ(f.Slider(P::Guarantee).maximum, 6);
    f.SetMaximum(P::Guarantee, 1);
    EXPECT_EQ(f.Slider(P::Guarantee).maximum, 6);
    f.SetMaximum(P::Guarantee, 3);
    EXPECT_EQ(f.Slider(P::Guarantee).maximum, 3);
}

TEST(FilterParameters, SliderClampsButDoesNotRoundToItsStep) {
    FilterParameters f;
    f.SetValue(P::RowCount, 37);
    EXPECT_EQ(f.Value(P::RowCount), 37);
    f.SetValue(P::RowCount, 9999);
    EXPECT_EQ(f.Value(P::RowCount), 500);
    f.SetValue(P::Pool, 1);
    EXPECT_EQ(f.Value(P::Pool), 4);
}

TEST(FilterParameters, SettingAnUnchangedSliderValueRunsNoHandler) {
    FilterParameters f;
    f.SetNoMatter(P::Pool, true);
    f.SetValue(P::Pool, 13);  // the value it has
    EXPECT_TRUE(f.NoMatter(P::Pool));
    EXPECT_EQ(f.ValueLabel(P::Pool), "X");
}

TEST(FilterParameters, CheckBoxRunsItsHandlerAlsoWhenItsStateStays) {
    FilterParameters f;
    f.SetValue(P::Guarantee, 4);  // forced: the row-count label shows 330 while cb4 is checked
    ASSERT_EQ(f.ValueLabel(P::RowCount), "330");
    f.SetNoMatter(P::RowCount, true);
    EXPECT_EQ(f.ValueLabel(P::RowCount), "X");
    // The bank-number box's handler runs the forced-row-count update and puts it back.
    f.SetNoMatter(P::BankNumbers, false);
    EXPECT_EQ(f.ValueLabel(P::RowCount), "330");
}

TEST(FilterParameters, ChoiceRunsItsHandlerOnlyWhenTheItemChanges) {
    FilterParameters f;
    f.SetNoMatter(P::Guarantee, true);
    f.SelectChoice(P::Guarantee, kChoiceExact);  // already selected
    EXPECT_TRUE(f.NoMatter(P::Guarantee));
    f.SelectChoice(P::Guarantee, kChoiceAtMost);
    EXPECT_FALSE(f.NoMatter(P::Guarantee));
    EXPECT_EQ(f.ValueLabel(P::Guarantee), "2");
}

TEST(FilterParameters, ChoiceOutOfRangeIsClamped) {
    FilterParameters f;
    f.SetNoMatter(P::Guarantee, true);
    f.SelectChoice(P::Guarantee, -5);
    EXPECT_EQ(f.Choice(P::Guarantee), kChoiceNone);
    EXPECT_TRUE(f.NoMatter(P::Guarantee));  // clearing the choice is no click
    f.SelectChoice(P::BankNumbers, 7);
    EXPECT_EQ(f.Choice(P::BankNumbers), kChoiceExact);
    f.SelectChoice(P::Pool, 0);  // no choice there
    EXPECT_EQ(f.Choice(P::Pool), kChoiceNone);
}

TEST(FilterParameters, LoweringTheLargestNumberLowersThePool) {
    FilterParameters f;
    f.SetLargestNumber(59);
    f.SetValue(P::Pool, 50);
    f.SetNoMatter(P::Pool, true);
    f.SetLargestNumber(35);
    EXPECT_EQ(f.Slider(P::Pool).maximum, 35);
    EXPECT_EQ(f.Value(P::Pool), 35);
    EXPECT_FALSE(f.NoMatter(P::Pool));
    EXPECT_EQ(f.ValueLabel(P::Pool), "35");
}

// Stored settings are applied slider by slider, then the boxes: a stored "no matter" survives
// the unchecking that setting its slider caused.
TEST(FilterParameters, BoxesSetAfterTheSlidersKeepTheirState) {
    FilterParameters f;
    f.SetValue(P::Pool, 20);
    f.SetValue(P::RowCount, 50);
    f.SetNoMatter(P::Pool, true);
    f.SetNoMatter(P::RowCount, true);
    EXPECT_EQ(f.ValueLabel(P::Pool), "X");
    EXPECT_EQ(f.ValueLabel(P::RowCount), "X");
    EXPECT_EQ(f.Value(P::Pool), 20);
}

}  // namespace
}  // namespace kombora
