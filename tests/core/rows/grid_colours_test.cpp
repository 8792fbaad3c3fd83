#include "rows/grid_colours.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kombora {
namespace {

TEST(RowGridCellFill, BankNumbersAreLightGreen) {
    const NumberSet bank{7, 33};
    const std::vector<std::pair<std::string, Rgb>> cases{
        {"7", kBankCellGreen}, {"33", kBankCellGreen}, {"8", kWhite},  {"70", kWhite},
        {"", kWhite},          {"abc", kWhite},        {"7x", kWhite}, {" 7 ", kBankCellGreen}};
    for (const auto& [text, fill] : cases) EXPECT_EQ(RowGridCellFill(text, bank), fill) << text;
    EXPECT_EQ(RowGridCellFill("7", NumberSet{}), kWhite);
}

struct HitCase {
    int row;
    int column;
    std::string text;
    std::string column1;
    Rgb fill;
};

TEST(HitGridCellFill, GreenOnlyForFullPercentageOrAllCombinations) {
    const std::vector<HitCase> cases{
        {2, 3, "100,00", "84", kHitGreen},        // a full percentage, exactly as written
        {2, 3, "100.00", "84", kPercentRowTint},  // another form is not green
        {2, 3, "100,0", "84", kPercentRowTint},
        {1, 3, "100,00", "84", kWhite},  // only percentage rows count "100,00"
        {1, 2, "84", "84", kHitGreen},   // all combinations reached
        {1, 2, "83", "84", kWhite},
        {3, 5, "1.716", "1.716", kHitGreen},
        {1, 2, "", "", kWhite},  // empty cells are never green
        {2, 4, "", "", kPercentRowTint},
        {1, 1, "84", "84", kWhite},  // column 1 itself is not compared
        {2, 1, "84", "84", kPercentRowTint},
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(HitGridCellFill(c.row, c.column, c.text, c.column1), c.fill)
            << c.row << "/" << c.column << " '" << c.text << "'";
    }
}

}  // namespace
}  // namespace kombora
