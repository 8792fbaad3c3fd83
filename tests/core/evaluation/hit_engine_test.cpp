#include "evaluation/hit_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <numeric>
#include <random>
#include <stdexcept>
#include <vector>

#include "catalogue/binomial.h"
#include "evaluation/draws.h"
#include "evaluation/plain_evaluation.h"

namespace kombora {
namespace {

std::vector<NumberSet> RandomRows(std::mt19937& random, int wz, int rowSize, int rowCount) {
    std::vector<int> pool(static_cast<std::size_t>(wz));
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<NumberSet> rows;
    for (int r = 0; r < rowCount; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        NumberSet row;
        for (int i = 0; i < rowSize && i < wz; ++i) row.Add(pool[static_cast<std::size_t>(i)]);
        rows.push_back(row);
    }
    return rows;
}

std::string TallyText(const HitTally& tally) {
    std::string text;
    for (int k = 2; k <= 10; ++k) {
        for (int m = 1; m <= 10; ++m) {
            if (tally(k, m) != 0) {
                text += std::to_string(k) + "/" + std::to_string(m) + "=" +
                        std::to_string(tally(k, m)) + " ";
            }
        }
    }
    return text;
}

TEST(EvaluateHits, ThreeRowSystemForHitCountTwo) {
    const std::vector<NumberSet> rows = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    const EvaluationResult result = EvaluateHits(rows, 6, 2, 2);
    EXPECT_EQ(result.tally(2, 2), 9);
    EXPECT_EQ(result.tally(2, 1), 6);
    EXPECT_EQ(result.drawsDone, 15);
    EXPECT_EQ(result.drawTotal, 15);
    EXPECT_EQ(result.StateOf(2), HitCountState::Complete);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.tally, EvaluateHitsPlain(rows, 6, 2, 2));
}

// Hand-made rows where the shortcut has to get the subtle cases right: numbers outside the
// pool, empty rows, duplicate rows, numbers in no row, a row holding the whole pool.
struct HandCase {
    const char* name;
    int wz;
    int first;
    int last;
    std::vector<NumberSet> rows;
};

class HandMadeRows : public ::testing::TestWithParam<HandCase> {};

TEST_P(HandMadeRows, MatchPlainAlgorithm) {
    const HandCase& c = GetParam();
    const HitTally plain = EvaluateHitsPlain(c.rows, c.wz, c.first, c.last);
    for (int threads : {1, 2, 3}) {
        EvaluationOptions options;
        options.threads = threads;
        const EvaluationResult fast = EvaluateHits(c.rows, c.wz, c.first, c.last, options);
        EXPECT_EQ(TallyText(fast.tally), TallyText(plain)) << c.name << ", threads " << threads;
        EXPECT_EQ(fast.drawsDone, fast.drawTotal) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandMadeRows,
    ::testing::Values(
        HandCase{"no rows", 8, 2, 5, {}},
        HandCase{"empty and duplicate rows", 8, 2, 5, {{}, {1, 2, 3}, {1, 2, 3}, {}}},
        HandCase{"numbers outside the pool", 7, 2, 4, {{0, 1, 8, 9}, {2, 3, 200}, {255, 7}}},
        HandCase{"numbers in no row", 9, 2, 6, {{1, 2}, {2, 3}}},
        HandCase{"a row of the whole pool", 6, 2, 6, {{1, 2, 3, 4, 5, 6}, {1}}},
        HandCase{"hit counts above the pool", 4, 2, 7, {{1, 2, 3}}},
        HandCase{"range clipped to 2..10", 12, -3, 14, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}},
        HandCase{"pool at a word border", 65, 2, 3, {{1, 64, 65}, {63, 64}, {2, 65}}},
        HandCase{"pool of 129", 129, 2, 2, {{1, 128, 129}, {64, 65}, {100, 129}}}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
        return name;
    });

// Random systems over the whole range of pools and row sizes, with several thread counts and
// both kernel builds.
struct RandomCase {
    int wz;
    int rowSize;
    int rowCount;
    int last;
};

class RandomRowSets : public ::testing::TestWithParam<RandomCase> {};

TEST_P(RandomRowSets, MatchPlainAlgorithm) {
    const RandomCase& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.wz * 1000 + c.rowSize * 10 + c.rowCount));
    const auto rows = RandomRows(random, c.wz, c.rowSize, c.rowCount);
    const HitTally plain = EvaluateHitsPlain(rows, c.wz, 2, c.last);
    for (KernelChoice kernel : {KernelChoice::Generic, KernelChoice::HardwarePopcount}) {
        for (int threads : {1, 2, 5}) {
            EvaluationOptions options;
            options.threads = threads;
            options.kernel = kernel;
            const EvaluationResult fast = EvaluateHits(rows, c.wz, 2, c.last, options);
            ASSERT_EQ(TallyText(fast.tally), TallyText(plain))
                << "wz " << c.wz << ", rows of " << c.rowSize << ", threads " << threads;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RandomRowSets,
                         ::testing::Values(RandomCase{10, 2, 7, 10}, RandomCase{12, 3, 9, 8},
                                           RandomCase{16, 4, 20, 6}, RandomCase{20, 5, 30, 6},
                                           RandomCase{22, 6, 25, 6}, RandomCase{18, 7, 14, 8},
                                           RandomCase{16, 8, 12, 9}, RandomCase{15, 9, 10, 10},
                                           RandomCase{16, 10, 8, 10}, RandomCase{40, 6, 60, 4},
                                           RandomCase{64, 5, 40, 3}, RandomCase{65, 6, 40, 3},
                                           RandomCase{90, 10, 30, 3}, RandomCase{100, 6, 50, 3},
                                           RandomCase{100, 10, 25, 3}, RandomCase{150, 4, 30, 2}));

TEST(EvaluateHits, SameResultForEveryThreadCount) {
    std::mt19937 random(7);
    const auto rows = RandomRows(random, 30, 6, 40);
    const EvaluationResult one = EvaluateHits(rows, 30, 2, 6, {1, KernelChoice::Automatic});
    for (int threads : {2, 4, 16}) {
        const EvaluationResult many =
            EvaluateHits(rows, 30, 2, 6, {threads, KernelChoice::Automatic});
        EXPECT_EQ(many.tally, one.tally) << threads;
    }
}

TEST(EvaluateHits, PoolOutsideTheSetRangeIsRefused) {
    EXPECT_THROW(EvaluateHits({}, 256, 2, 3), std::invalid_argument);
    EXPECT_THROW(EvaluateHits({}, -1, 2, 3), std::invalid_argument);
}

TEST(EvaluateHits, EmptyRangeEvaluatesNothing) {
    const std::vector<NumberSet> rows = {{1, 2}};
    const EvaluationResult result = EvaluateHits(rows, 5, 4, 3);
    EXPECT_EQ(result.drawTotal, 0);
    EXPECT_EQ(result.drawsDone, 0);
    for (int k = 0; k <= 10; ++k) EXPECT_EQ(result.StateOf(k), HitCountState::NotEvaluated);
}

TEST(EvaluateHits, CallbacksReportEveryHitCountInOrderAndTheFinalProgress) {
    std::mt19937 random(3);
    const auto rows = RandomRows(random, 20, 5, 12);
    std::vector<int> finished;
    std::vector<std::pair<int, int64_t>> events;  // (k, draws) on start, (k, -1) on finish
    int64_t lastDone = -1;
    int64_t lastTotal = -1;
    EvaluationCallbacks callbacks;
    callbacks.hitCountStarted = [&](int k, int64_t draws) { events.emplace_back(k, draws); };
    callbacks.hitCountFinished = [&](const EvaluationResult& r, int k) {
        finished.push_back(k);
        events.emplace_back(k, -1);
        EXPECT_EQ(r.StateOf(k), HitCountState::Complete);
        int64_t sum = 0;
        for (int m = 1; m <= k; ++m) sum += r.tally(k, m);
        EXPECT_EQ(sum, Binomial(20, k));  // every draw of a pool covered by the rows matches
    };
    callbacks.progress = [&](int64_t done, int64_t total) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
    };
    const EvaluationResult result = EvaluateHits(rows, 20, 3, 5, {}, {}, callbacks);
    EXPECT_EQ(finished, (std::vector<int>{3, 4, 5}));
    // Each hit count announces its draw count before it is counted.
    const std::vector<std::pair<int, int64_t>> expected = {{3, Binomial(20, 3)}, {3, -1},
                                                           {4, Binomial(20, 4)}, {4, -1},
                                                           {5, Binomial(20, 5)}, {5, -1}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(lastDone, result.drawTotal);
    EXPECT_EQ(lastTotal, Binomial(20, 3) + Binomial(20, 4) + Binomial(20, 5));
}

// A stop while hit count 5 is counted: 2..4 are whole, 5 is partial, 6 and 7 are skipped.
// The rows make hit count 5 take seconds, so the first progress report falls inside it.
TEST(EvaluateHits, StopDuringAHitCountKeepsFinishedAndPartialCounts) {
    std::mt19937 random(11);
    const auto rows = RandomRows(random, 100, 10, 2000);
    const EvaluationResult low = EvaluateHits(rows, 100, 2, 4);
    const int64_t lowDraws = Binomial(100, 2) + Binomial(100, 3) + Binomial(100, 4);
    std::stop_source source;
    std::vector<std::pair<int, HitCountState>> states;
    EvaluationCallbacks callbacks;
    callbacks.progress = [&](int64_t done, int64_t) {
        if (done > lowDraws) source.request_stop();
    };
    callbacks.hitCountFinished = [&](const EvaluationResult& r, int k) {
        states.emplace_back(k, r.StateOf(k));
    };
    std::vector<int> started;
    callbacks.hitCountStarted = [&](int k, int64_t) { started.push_back(k); };
    const EvaluationResult result =
        EvaluateHits(rows, 100, 2, 7, {2, KernelChoice::Automatic}, source.get_token(), callbacks);

    ASSERT_TRUE(result.stopped);
    const std::vector<std::pair<int, HitCountState>> expected = {
        {2, HitCountState::Complete}, {3, HitCountState::Complete}, {4, HitCountState::Complete},
        {5, HitCountState::Partial},  {6, HitCountState::Skipped},  {7, HitCountState::Skipped}};
    EXPECT_EQ(states, expected);
    EXPECT_EQ(started, (std::vector<int>{2, 3, 4, 5}));  // the skipped ones never start
    for (int k = 2; k <= 4; ++k) {
        for (int m = 1; m <= k; ++m) EXPECT_EQ(result.tally(k, m), low.tally(k, m));
    }
    int64_t partial = 0;
    for (int m = 1; m <= 5; ++m) partial += result.tally(5, m);
    EXPECT_GT(partial, 0);
    EXPECT_LT(partial, Binomial(100, 5));
    for (int k = 6; k <= 7; ++k) {
        for (int m = 1; m <= 10; ++m) EXPECT_EQ(result.tally(k, m), 0);
    }
    // Every draw of this pool matches some row, so the counted draws are the tallied ones.
    EXPECT_EQ(result.drawsDone, lowDraws + partial);
}

TEST(EvaluateHits, StopRequestedBeforeTheStartCountsNothing) {
    std::stop_source source;
    source.request_stop();
    const std::vector<NumberSet> rows = {{1, 2, 3}};
    const EvaluationResult result = EvaluateHits(rows, 10, 2, 3, {}, source.get_token());
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.drawsDone, 0);
    EXPECT_EQ(result.StateOf(2), HitCountState::Skipped);
    EXPECT_EQ(result.StateOf(3), HitCountState::Skipped);
}

// An error in a callback ends the run: the workers stop and the error reaches the caller.
TEST(EvaluateHits, ErrorInACallbackStopsTheRunAndPropagates) {
    std::mt19937 random(13);
    const auto rows = RandomRows(random, 100, 10, 2000);
    EvaluationCallbacks progressFails;
    progressFails.progress = [](int64_t, int64_t) { throw std::runtime_error("gauge gone"); };
    EXPECT_THROW(EvaluateHits(rows, 100, 2, 8, {2, KernelChoice::Automatic}, {}, progressFails),
                 std::runtime_error);
    EvaluationCallbacks finishFails;
    finishFails.hitCountFinished = [](const EvaluationResult&, int k) {
        if (k == 3) throw std::runtime_error("grid gone");
    };
    EXPECT_THROW(EvaluateHits(rows, 100, 2, 8, {2, KernelChoice::Automatic}, {}, finishFails),
                 std::runtime_error);
}

TEST(EvaluateFullSystem, EveryDrawHasAllItsHits) {
    const EvaluationResult result = EvaluateFullSystem(7, 3);
    EXPECT_EQ(result.firstHitCount, 2);
    EXPECT_EQ(result.tally(2, 2), 21);
    EXPECT_EQ(result.tally(2, 1), 0);
    EXPECT_EQ(result.tally(3, 3), 35);
    EXPECT_EQ(result.tally(3, 2), 0);
    EXPECT_EQ(result.drawsDone, 56);
    EXPECT_FALSE(result.stopped);
    // The shortcut agrees with evaluating all 35 rows.
    std::vector<NumberSet> rows;
    DrawEnumerator all(7, 3);
    while (all.Next()) rows.push_back(all.Set());
    EXPECT_EQ(result.tally, EvaluateHits(rows, 7, 2, 3).tally);
}

TEST(EvaluateFullSystem, StopLeavesTheDrawCountOnly) {
    std::stop_source source;
    source.request_stop();
    const EvaluationResult result = EvaluateFullSystem(7, 3, source.get_token());
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.StateOf(2), HitCountState::DrawCountOnly);
    EXPECT_EQ(result.StateOf(3), HitCountState::NotEvaluated);
    EXPECT_EQ(result.tally(2, 2), 0);
}

}  // namespace
}  // namespace kombora
