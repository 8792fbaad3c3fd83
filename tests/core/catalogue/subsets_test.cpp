// The one enumeration of k-subsets, and the one definition of a full system.
#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "catalogue/binomial.h"
#include "catalogue/catalogue.h"
#include "catalogue/subsets.h"

namespace kombora {
namespace {

std::vector<std::vector<int>> All(int n, int k) {
    std::vector<std::vector<int>> subsets;
    ForEachSubset(n, k, [&](std::span<const int> p) { subsets.emplace_back(p.begin(), p.end()); });
    return subsets;
}

TEST(Subsets, LexicographicFromFirstToLast) {
    const std::vector<std::vector<int>> expected = {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
    EXPECT_EQ(All(4, 3), expected);
}

struct CountCase {
    int n;
    int k;
    int64_t count;
};

TEST(Subsets, CountsAndEdges) {
    const CountCase cases[] = {
        {7, 3, 35}, {20, 1, 20}, {5, 5, 1},      {5, 0, 1},    // the one empty subset
        {3, 4, 0},  {4, -1, 0},  {66, 64, 2145}, {66, 65, 0},  // beyond the widest
    };
    for (const CountCase& c : cases) {
        int64_t count = 0;
        std::vector<int> previous;
        bool ascending = true;
        ForEachSubset(c.n, c.k, [&](std::span<const int> p) {
            std::vector<int> now(p.begin(), p.end());
            if (count > 0) ascending = ascending && previous < now;
            for (std::size_t i = 1; i < now.size(); ++i)
                ascending = ascending && now[i - 1] < now[i];
            previous = now;
            ++count;
        });
        EXPECT_EQ(count, c.count) << c.n << " " << c.k;
        EXPECT_TRUE(ascending) << c.n << " " << c.k;
    }
}

TEST(Subsets, VisitReturningFalseStops) {
    int visited = 0;
    ForEachSubset(10, 2, [&](std::span<const int>) { return ++visited < 3; });
    EXPECT_EQ(visited, 3);
}

TEST(FullSystem, OneDefinition) {
    struct Case {
        TSysteme entry;
        bool full;
    };
    const Case cases[] = {
        {{3, 7, 3, 35}, true},   // every triple of seven numbers
        {{2, 3, 2, 3}, true},    // the smallest in the catalogue
        {{3, 7, 3, 34}, false},  // a row short: an own system read from its rows
        {{3, 7, 2, 35}, false},  // the same count with a smaller guarantee
        {{3, 7, 4, 35}, false},  // a guarantee above the row size is no full system
        {{3, 2, 3, 0}, false},   // rows longer than the pool
        {{0, 5, 0, 1}, false},   // no rows at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFullSystem(c.entry), c.full) << int{c.entry.RG} << " " << int{c.entry.WZ} << " "
                                                 << int{c.entry.GA} << " " << c.entry.TR;
    }
}

TEST(FullSystem, CatalogueAgreesWithItsParts) {
    Catalogue c;
    c.Build({}, "/nonexistent");
    for (int32_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c.IsFull(i), !c.IsBuiltin(i)) << i;  // the part between built-in and own
    }
    EXPECT_FALSE(c.IsFull(-1));
    EXPECT_FALSE(c.IsFull(c.size()));
}

}  // namespace
}  // namespace kombora
