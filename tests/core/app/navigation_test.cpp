#include "app/navigation.h"

#include <gtest/gtest.h>

namespace kombora {
namespace {

struct StepCase {
    TSysteme system;
    std::optional<int64_t> steps;
};

class EvaluationStepCountTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(EvaluationStepCountTest, CountsTheStepsOfTheTest) {
    const StepCase& c = GetParam();
    EXPECT_EQ(EvaluationStepCount(c.system), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Systems, EvaluationStepCountTest,
                         ::testing::Values(
                             // 7 × (C(7,2) + C(7,3)) = 7 × (21 + 35)
                             StepCase{{3, 7, 3, 7}, 392},
                             // a row size of 1 has no step at all
                             StepCase{{1, 5, 1, 5}, 0},
                             // 6 of 49, one row: C(49,2) + … + C(49,6)
                             StepCase{{6, 49, 6, 1}, 1176 + 18424 + 211876 + 1906884 + 13983816},
                             // the largest row count with the largest pool and row size still fits
                             StepCase{{10, 100, 10, 65535}, int64_t{1272421540461813225}},
                             // beyond 64 bits the count is refused, not wrapped
                             StepCase{{40, 200, 40, 1}, std::nullopt}));

}  // namespace
}  // namespace kombora
