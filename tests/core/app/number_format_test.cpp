#include "app/number_format.h"

#include <gtest/gtest.h>

namespace kombora {
namespace {

struct CountCase {
    int64_t value;
    const char* german;
    const char* english;
};

class CountFormat : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountFormat, GroupsByThrees) {
    EXPECT_EQ(FormatCount(GetParam().value, NumberLocale::German()), GetParam().german);
    EXPECT_EQ(FormatCount(GetParam().value, NumberLocale::English()), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Table, CountFormat,
                         ::testing::Values(CountCase{0, "0", "0"}, CountCase{999, "999", "999"},
                                           CountCase{1000, "1.000", "1,000"},
                                           CountCase{2621, "2.621", "2,621"},
                                           CountCase{13983816, "13.983.816", "13,983,816"},
                                           CountCase{2627914688, "2.627.914.688", "2,627,914,688"},
                                           CountCase{-1234567, "-1.234.567", "-1,234,567"},
                                           CountCase{INT64_MIN, "-9.223.372.036.854.775.808",
                                                     "-9,223,372,036,854,775,808"}));

struct FixedCase {
    double value;
    const char* german;
    const char* english;
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, TwoDecimalsWithoutGrouping) {
    EXPECT_EQ(FormatFixed2(GetParam().value, NumberLocale::German()), GetParam().german);
    EXPECT_EQ(FormatFixed2(GetParam().value, NumberLocale::English()), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedFormat,
                         ::testing::Values(FixedCase{100.0, "100,00", "100.00"},
                                           FixedCase{100.0 / 36.0, "2,78", "2.78"},
                                           FixedCase{0.0, "0,00", "0.00"},
                                           FixedCase{-0.001, "0,00", "0.00"},
                                           FixedCase{1234.5, "1234,50", "1234.50"}));

}  // namespace
}  // namespace kombora
