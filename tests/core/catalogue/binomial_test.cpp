#include "catalogue/binomial.h"

#include <gtest/gtest.h>

#include <limits>

namespace kombora {
namespace {

struct BinomialCase {
    int32_t n;
    int32_t k;
    int64_t expected;
};

class BinomialValues : public ::testing::TestWithParam<BinomialCase> {};

TEST_P(BinomialValues, MatchesKnownValue) {
    const auto& c = GetParam();
    EXPECT_EQ(Binomial(c.n, c.k), c.expected) << c.n << " over " << c.k;
}

INSTANTIATE_TEST_SUITE_P(Table, BinomialValues,
                         ::testing::Values(BinomialCase{10, 4, 210}, BinomialCase{77, 2, 2926},
                                           BinomialCase{78, 2, 3003}, BinomialCase{13, 8, 1287},
                                           BinomialCase{49, 6, 13983816},
                                           BinomialCase{100, 10, 17310309456440},
                                           BinomialCase{0, 0, 1}, BinomialCase{7, 0, 1},
                                           BinomialCase{7, 7, 1}, BinomialCase{5, 6, 0},
                                           BinomialCase{5, -1, 0},
                                           // The products of the reduced factors overflow 64 bits
                                           // here, the coefficient does not.
                                           BinomialCase{62, 31, 465428353255261088},
                                           BinomialCase{66, 33, 7219428434016265740}));

// Pascal's rule over the whole range the program uses in its catalogue, filter and tests.
TEST(Binomial, ExactForEveryNUpTo100AndKUpTo10) {
    for (int32_t n = 1; n <= 100; ++n) {
        for (int32_t k = 1; k <= 10 && k <= n; ++k) {
            ASSERT_EQ(Binomial(n, k), Binomial(n - 1, k - 1) + Binomial(n - 1, k))
                << n << " over " << k;
            ASSERT_EQ(Binomial(n, k), Binomial(n, n - k));
        }
    }
}

TEST(Binomial, ValuesBeyond64BitsAreReportedNotWrapped) {
    EXPECT_EQ(BinomialChecked(66, 33), 7219428434016265740);  // the largest that fits
    EXPECT_FALSE(BinomialChecked(67, 33).has_value());
    EXPECT_FALSE(BinomialChecked(1000, 500).has_value());
    EXPECT_EQ(Binomial(1000, 500), std::numeric_limits<int64_t>::max());
}

}  // namespace
}  // namespace kombora
