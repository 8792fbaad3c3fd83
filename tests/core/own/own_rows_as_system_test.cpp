#include <gtest/gtest.h>

#include <stop_token>
#include <vector>

#include "catalogue/catalogue.h"
#include "own/own_rows_test.h"

namespace kombora {
namespace {

// What the parser leaves for a list of rows.
RowStore ParsedRows(const std::vector<std::vector<uint8_t>>& rows) {
    RowStore store;
    store.OwnRows = rows;
    store.OwnRowCount = static_cast<int32_t>(rows.size());
    store.OwnRowSize = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
    for (const auto& row : rows) {
        for (uint8_t n : row) store.OwnPool.Add(n);
    }
    store.OwnPoolSize = store.OwnPool.Count();
    store.OwnRowsReady = true;
    return store;
}

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue c;
        c.Build({}, {});
        return c;
    }();
    return catalogue;
}

struct TestRun {
    OwnRowsTestPlan plan;
    EvaluationResult result;
    OwnRowsTestOutcome outcome;
};

TestRun TestRows(RowStore& store, OwnTestState& state, int largest = 49) {
    TestRun run;
    run.plan = PrepareOwnRowsTest(store, largest, state);
    EXPECT_FALSE(run.plan.problem.has_value());
    run.result = RunOwnRowsTest(run.plan);
    run.outcome = FinishOwnRowsTest(run.plan, run.result, TheCatalogue(), state);
    return run;
}

TEST(OwnRowsTest, RowsWithoutGuarantee) {
    RowStore store = ParsedRows({{1, 2, 3}, {1, 4, 5}, {2, 4, 6}});
    OwnTestState state;
    const TestRun run = TestRows(store, state);
    EXPECT_EQ(run.plan.poolSize, 6);
    EXPECT_EQ(run.plan.rowSize, 3);
    EXPECT_EQ(run.result.tally(2, 1), 6);
    EXPECT_EQ(run.result.tally(2, 2), 9);
    EXPECT_EQ(run.result.tally(3, 1), 1);
    EXPECT_EQ(run.result.tally(3, 2), 16);
    EXPECT_EQ(run.result.tally(3, 3), 3);
    EXPECT_EQ(state.OwnGuarantee, 0);
    EXPECT_EQ(run.outcome.guaranteeText, "-");
    EXPECT_EQ(run.outcome.description,
              "\"Own system\" for 6 numbers in 3 rows à 3 numbers w/o guarantee.");
    EXPECT_TRUE(state.OwnRowsTested);
}

TEST(OwnRowsTest, FullSystemOfFourNumbersFindsTheIdenticalSystem) {
    RowStore store = ParsedRows({{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}});
    OwnTestState state;
    const TestRun run = TestRows(store, state);
    EXPECT_EQ(run.result.tally(2, 2), 6);
    EXPECT_EQ(run.result.tally(3, 3), 4);
    EXPECT_EQ(state.OwnGuarantee, 3);
    EXPECT_EQ(run.outcome.guaranteeText, "3");
    EXPECT_EQ(run.outcome.description,
              "\"Own system\" for 4 numbers in 4 rows à 3 numbers with 3er guarantee.");
    ASSERT_EQ(state.comparable.size(), 1u);
    EXPECT_EQ(state.comparable.texts[0], "Identical system available");
    const TSysteme& found = TheCatalogue()[state.comparable.indexes[0]];
    EXPECT_EQ(found, (TSysteme{3, 4, 3, 4}));
}

TEST(OwnRowsTest, BankNumbersAreLeftOutAndTheRestRenumbered) {
    RowStore store = ParsedRows({{12, 20, 7}, {31, 40, 7}, {45, 49, 7}});
    OwnTestState state;
    const TestRun run = TestRows(store, state);
    EXPECT_EQ(run.plan.bankSet, (NumberSet{7}));
    EXPECT_EQ(store.OwnBankCount, 1);
    EXPECT_FALSE(store.OwnPool.Contains(7));
    EXPECT_EQ(run.plan.poolSize, 6);
    EXPECT_EQ(run.plan.rowSize, 2);
    EXPECT_EQ(store.OwnRowSets, (std::vector<NumberSet>{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(run.result.tally(2, 1), 12);
    EXPECT_EQ(run.result.tally(2, 2), 3);
}

struct UnfitCase {
    const char* name;
    std::vector<std::vector<uint8_t>> rows;
};

TEST(OwnRowsTest, UnfitRowsAreRefusedWithoutATest) {
    const std::vector<UnfitCase> cases = {
        {"two rows", {{1, 2, 3}, {4, 5, 6}}},
        {"one changing number per row", {{1, 9}, {2, 9}, {3, 9}}},
        {"fewer than three changing numbers", {{1, 2, 8, 9}, {1, 2, 8, 9}, {1, 2, 8, 9}}},
        {"eleven numbers per row after the bank numbers",
         {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 50},
          {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 50},
          {23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 50}}},
    };
    for (const UnfitCase& c : cases) {
        SCOPED_TRACE(c.name);
        RowStore store = ParsedRows(c.rows);
        OwnTestState state;
        state.OwnGuarantee = 5;
        const OwnRowsTestPlan plan = PrepareOwnRowsTest(store, 49, state);
        ASSERT_TRUE(plan.problem.has_value());
        EXPECT_EQ(plan.problem->id, MessageId::TestOwnRowsUnfit);
        EXPECT_TRUE(state.OwnRowsUnfit);
        EXPECT_EQ(state.OwnGuarantee, 5);  // nothing else changes
    }
}

TEST(OwnRowsTest, TenNumbersPerRowAfterTheBankNumbersAreTested) {
    RowStore store = ParsedRows({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 50},
                                 {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 50},
                                 {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 50}});
    OwnTestState state;
    const OwnRowsTestPlan plan = PrepareOwnRowsTest(store, 49, state);
    EXPECT_FALSE(plan.problem.has_value());
    EXPECT_EQ(plan.rowSize, 10);
    EXPECT_FALSE(state.OwnRowsUnfit);
}

TEST(OwnRowsTest, ASecondTestStartsEveryRowSetEmpty) {
    RowStore store = ParsedRows({{1, 2, 3}, {1, 4, 5}, {2, 4, 6}, {3, 5, 6}});
    OwnTestState state;
    TestRows(store, state);
    RowStore edited = ParsedRows({{1, 2, 3}, {1, 4, 5}, {2, 4, 5}});
    edited.OwnRowSets = store.OwnRowSets;  // the earlier sets are still there
    TestRows(edited, state);
    EXPECT_EQ(edited.OwnRowSets, (std::vector<NumberSet>{{1, 2, 3}, {1, 4, 5}, {2, 4, 5}}));
}

TEST(OwnRowsTest, LargestNumberRaisesTheFirstHitCount) {
    // 4 rows of 3 over 4 numbers with largest number 4: only the draw of all 3 hits is possible.
    RowStore store = ParsedRows({{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}});
    OwnTestState state;
    const TestRun run = TestRows(store, state, 4);
    EXPECT_EQ(run.plan.firstHitCount, 3);
    EXPECT_EQ(run.plan.drawTotal, 4);
    EXPECT_EQ(run.plan.calculationCount, 16);
    EXPECT_EQ(state.OwnGuarantee, 3);
}

TEST(OwnRowsTest, AStoppedTestLeavesTheComparisonAndCountsAsUntested) {
    RowStore store = ParsedRows({{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}});
    OwnTestState state;
    state.comparable = {{7}, {"earlier"}};
    const OwnRowsTestPlan plan = PrepareOwnRowsTest(store, 49, state);
    std::stop_source stop;
    stop.request_stop();
    const EvaluationResult result = RunOwnRowsTest(plan, {}, stop.get_token());
    const OwnRowsTestOutcome outcome = FinishOwnRowsTest(plan, result, TheCatalogue(), state);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.guaranteeText, "?");
    EXPECT_TRUE(outcome.description.empty());
    EXPECT_FALSE(state.OwnRowsTested);
    EXPECT_EQ(state.comparable, (ComparableList{{7}, {"earlier"}}));
}

TEST(OwnGuarantee, OnlyAColumnHoldingEveryDrawCounts) {
    EvaluationResult result;
    result.wz = 5;
    result.firstHitCount = 2;
    result.lastHitCount = 3;
    result.state[2] = result.state[3] = HitCountState::Complete;
    result.tally(2, 2) = 10;  // all C(5, 2)
    result.tally(3, 3) = 9;   // one of C(5, 3) = 10 missing
    EXPECT_EQ(OwnGuarantee(result), 2);
    result.tally(3, 3) = 10;
    EXPECT_EQ(OwnGuarantee(result), 3);
    result.state[3] = HitCountState::Partial;
    EXPECT_EQ(OwnGuarantee(result), 2);
}

}  // namespace
}  // namespace kombora
