#include "rows/number_set.h"

#include <gtest/gtest.h>

namespace kombora {
namespace {

TEST(NumberSet, SetOperations) {
    NumberSet a{1, 2, 3, 64, 100};
    const NumberSet b{3, 64, 200};
    EXPECT_EQ((a | b).Members(), (std::vector<int>{1, 2, 3, 64, 100, 200}));
    EXPECT_EQ((a & b).Members(), (std::vector<int>{3, 64}));
    EXPECT_EQ((a - b).Members(), (std::vector<int>{1, 2, 100}));
    EXPECT_EQ(a.IntersectionCount(b), 2);
    EXPECT_EQ(a.Count(), 5);
    a.Remove(64);
    EXPECT_FALSE(a.Contains(64));
    a.Clear();
    EXPECT_TRUE(a.Empty());
}

TEST(NumberSet, NumbersOutsideTheRangeAreIgnored) {
    NumberSet s;
    s.Add(256);
    s.Add(-1);
    s.Add(255);
    EXPECT_EQ(s.Count(), 1);
    EXPECT_FALSE(s.Contains(256));
    EXPECT_FALSE(s.Contains(-1));
    EXPECT_TRUE(s.Contains(255));
}

TEST(NumberSet, ByteLayoutPutsNumberNInBitNMod8OfByteNDiv8) {
    const auto bytes = NumberSet{0, 9, 255}.Bytes();
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[1], 0x02);
    EXPECT_EQ(bytes[31], 0x80);
}

TEST(SetToSortedNumbers, ListsAscendingAndPadsWithZeros) {
    EXPECT_EQ(SetToSortedNumbers(NumberSet{12, 3, 7}, 5, 100),
              (std::vector<uint8_t>{3, 7, 12, 0, 0}));
    EXPECT_EQ(SetToSortedNumbers(NumberSet{12, 3, 7}, 2, 100), (std::vector<uint8_t>{3, 7}));
    // Never a member above the limit.
    EXPECT_EQ(SetToSortedNumbers(NumberSet{5, 101}, 2, 100), (std::vector<uint8_t>{5, 0}));
    EXPECT_TRUE(SetToSortedNumbers(NumberSet{5}, 0, 100).empty());
}

TEST(MaxBankNumbers, PerTipSize) {
    const int expected[] = {0, 0, 0, 0, 2, 3, 4, 4, 4, 4, 4, 0};
    for (int s = 0; s <= 11; ++s) EXPECT_EQ(MaxBankNumbers(s), expected[s]) << s;
}

}  // namespace
}  // namespace kombora
