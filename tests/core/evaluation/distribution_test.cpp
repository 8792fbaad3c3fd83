// The number distribution of the own rows and its bank numbers.
#include <gtest/gtest.h>

#include "evaluation/distribution.h"

namespace kombora {
namespace {

TEST(Distribution, CountsAndMarks) {
    struct Case {
        const char* name;
        std::vector<std::vector<uint8_t>> rows;
        std::vector<int> counts;  // of the numbers 1..8
        std::vector<int> bank;
        std::vector<DistributionMark> marks;  // of the numbers 1..8
    };
    using enum DistributionMark;
    const std::vector<Case> cases = {
        {"one shared number",
         {{1, 2, 7}, {3, 4, 7}, {5, 6, 7}},
         {1, 1, 1, 1, 1, 1, 3, 0},
         {7},
         {Present, Present, Present, Present, Present, Present, Bank, Absent}},
        {"a single row has no bank numbers",
         {{1, 2, 3}},
         {1, 1, 1, 0, 0, 0, 0, 0},
         {},
         {Present, Present, Present, Absent, Absent, Absent, Absent, Absent}},
        {"two equal rows",
         {{2, 5}, {2, 5}},
         {0, 2, 0, 0, 2, 0, 0, 0},
         {2, 5},
         {Absent, Bank, Absent, Absent, Bank, Absent, Absent, Absent}},
        {"no rows",
         {},
         {0, 0, 0, 0, 0, 0, 0, 0},
         {},
         {Absent, Absent, Absent, Absent, Absent, Absent, Absent, Absent}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RowStore store;
        store.OwnNumberCounts.fill(9);  // what an earlier distribution left
        store.OwnBankSet.Add(40);
        store.OwnRows = c.rows;
        Verteilungermitteln(store);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(store.OwnNumberCounts[static_cast<std::size_t>(n)], c.counts[n - 1]) << n;
            EXPECT_EQ(DistributionMarkOf(store, n), c.marks[static_cast<std::size_t>(n - 1)]) << n;
        }
        EXPECT_EQ(store.OwnNumberCounts[100], 0);
        EXPECT_EQ(store.OwnBankSet.Members(), c.bank);
        EXPECT_EQ(store.OwnBankCount, static_cast<int32_t>(c.bank.size()));
    }
}

}  // namespace
}  // namespace kombora
