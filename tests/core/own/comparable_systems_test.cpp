#include "own/comparable_systems.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kombora {
namespace {

const Catalogue& WithOwnSystem() {
    // One own system identical to the full system 3 out of 4: it must never be offered.
    static const testing::TempDir dir;
    static const Catalogue catalogue = [] {
        dir.Write("ESY1.csv", "1,2,3\r\n1,2,4\r\n1,3,4\r\n2,3,4\r\n");
        Catalogue c;
        c.Build({{3, 4, 3, 4, 45000.0, "ESY1.csv"}}, dir.path());
        return c;
    }();
    return catalogue;
}

TEST(FindComparableSystems, RowSizeBelowTwoFindsNothing) {
    EXPECT_FALSE(FindComparableSystems(WithOwnSystem(), 1, 6, 0, 3).has_value());
}

TEST(FindComparableSystems, OwnSystemsAreNeverCompared) {
    const Catalogue& c = WithOwnSystem();
    const auto found = FindComparableSystems(c, 3, 4, 3, 4);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->size(), 1u);
    EXPECT_LT(found->indexes[0], c.BaseSystemCount());
}

TEST(FindComparableSystems, FewerRowsFirstThenHigherGuaranteesWithSimilarCounts) {
    // RG 3 over 7 numbers: built-in 2er guarantee with 7 rows (index 3), full 3 out of 7
    // with 35 rows. Tested: 2er guarantee with 9 rows.
    const Catalogue& c = WithOwnSystem();
    const auto found = FindComparableSystems(c, 3, 7, 2, 9);
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(found->size(), 1u);
    EXPECT_EQ(found->indexes[0], 3);
    EXPECT_EQ(found->texts[0], "Same guarantee, count of numbers, etc., but only 7 rows");

    // Guarantee 0 with 35 rows: the full system (35 rows, identical) and the built-in
    // 2er system with 7 rows (not similar: neither both at most 12 nor in one band).
    const auto higher = FindComparableSystems(c, 3, 7, 0, 35);
    ASSERT_TRUE(higher.has_value());
    ASSERT_EQ(higher->size(), 1u);
    EXPECT_EQ(c[higher->indexes[0]], (TSysteme{3, 7, 3, 35}));
    EXPECT_EQ(higher->texts[0], "Count of numbers, rows etc. identical, but 3er guar.");

    // Guarantee 0 with 8 rows: the 2er system with 7 rows is similar (both at most 12).
    const auto similar = FindComparableSystems(c, 3, 7, 0, 8);
    ASSERT_TRUE(similar.has_value());
    ASSERT_EQ(similar->size(), 1u);
    EXPECT_EQ(similar->indexes[0], 3);
    EXPECT_EQ(similar->texts[0], "Count of numbers etc. identical, rows similar, but 2er guar.");
}

TEST(FindComparableSystems, MoreRowsWithTheSameGuaranteeAreNotListed) {
    // Built-in RG 3, WZ 7, GA 2 has 7 rows; 6 tested rows with the same guarantee: none.
    const auto found = FindComparableSystems(WithOwnSystem(), 3, 7, 2, 6);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(found->empty());
}

TEST(ComparableList, IndexOfLine) {
    const ComparableList list{{5, 9}, {"a", "b"}};
    EXPECT_EQ(list.IndexOfLine(1), 9);
    EXPECT_FALSE(list.IndexOfLine(2).has_value());
    EXPECT_FALSE(list.IndexOfLine(-1).has_value());
}

TEST(TestedRowsDescription, WithAndWithoutGuarantee) {
    EXPECT_EQ(TestedRowsDescription(4, 4, 3, 3),
              "\"Own system\" for 4 numbers in 4 rows à 3 numbers with 3er guarantee.");
    EXPECT_EQ(TestedRowsDescription(6, 3, 3, 0),
              "\"Own system\" for 6 numbers in 3 rows à 3 numbers w/o guarantee.");
}

}  // namespace
}  // namespace kombora
