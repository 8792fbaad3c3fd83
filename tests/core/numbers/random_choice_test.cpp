#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

#include "numbers/board.h"

namespace kombora {
namespace {

// Yields a fixed sequence of draws, then repeats it.
class ScriptedSource final : public RandomSource {
  public:
    explicit ScriptedSource(std::vector<int> draws) : draws_(std::move(draws)) {}
    int Draw(int largest) override {
        lastLargest = largest;
        return draws_[next_++ % draws_.size()];
    }
    int lastLargest = 0;

  private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

TEST(HalfToEven, RoundsHalvesToTheEvenNeighbour) {
    const std::vector<std::pair<int, int>> cases{{59, 30}, {45, 22},  {32, 16}, {33, 16},
                                                 {35, 18}, {100, 50}, {1, 0},   {3, 2}};
    for (const auto& [largest, half] : cases) EXPECT_EQ(HalfToEven(largest), half) << largest;
}

TEST(PlanRandomClicks, SparseCaseKeepsDrawOrderAndSkipsRepeats) {
    // 5 + 1 < 30: the numbers come in the order drawn, repeats skipped.
    ScriptedSource source({7, 3, 7, 59, 3, 12, 1, 40, 2});
    EXPECT_EQ(PlanRandomClicks(5, 1, 59, source), (std::vector<int>{7, 3, 59, 12, 1, 40}));
    EXPECT_EQ(source.lastLargest, 59);
}

TEST(PlanRandomClicks, DenseCaseLeavesOutDrawnNumbersAndPutsBankLast) {
    // L 10, W 5, B 2 (7 >= 5): banks 4 then 9 (drawn first goes last), left out: 3 numbers
    // that are not bank numbers (4 skipped, 1 repeated skipped).
    ScriptedSource source({4, 9, 4, 1, 1, 10, 6});
    EXPECT_EQ(PlanRandomClicks(5, 2, 10, source), (std::vector<int>{2, 3, 5, 7, 8, 9, 4}));
}

TEST(PlanRandomClicks, EveryNumberChosenWhenPoolAndBankFillTheRange) {
    ScriptedSource source({32, 5});
    const auto clicks = PlanRandomClicks(30, 2, 32, source);
    std::vector<int> expected(32);
    std::iota(expected.begin(), expected.end(), 1);
    expected.erase(std::remove(expected.begin(), expected.end(), 5), expected.end());
    expected.erase(std::remove(expected.begin(), expected.end(), 32), expected.end());
    expected.push_back(5);
    expected.push_back(32);
    EXPECT_EQ(clicks, expected);
}

struct RandomCase {
    int changing;
    int bank;
    int largest;
};

class RandomChoiceTest : public ::testing::TestWithParam<RandomCase> {};

// Over many seeds the board ends as clicking by hand would leave it.
TEST_P(RandomChoiceTest, FillsTheBoardFromTheRange) {
    const RandomCase c = GetParam();
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        RowStore rows;
        rows.ChangingNeeded = c.changing;
        rows.BankNeeded = c.bank;
        auto source = MakeSeededRandomSource(seed);
        std::vector<int> clicks;
        ASSERT_FALSE(RandomChoice(rows, c.largest, *source, &clicks).has_value());
        ASSERT_EQ(static_cast<int>(clicks.size()), c.changing + c.bank);
        EXPECT_EQ(std::set<int>(clicks.begin(), clicks.end()).size(), clicks.size());
        EXPECT_EQ(rows.ChangingCount, c.changing);
        EXPECT_EQ(rows.BankCount, c.bank);
        EXPECT_EQ(rows.BankMode, c.bank > 0);
        EXPECT_EQ(rows.ChangingSet.IntersectionCount(rows.BankSet), 0);
        for (int n : (rows.ChangingSet | rows.BankSet).Members()) {
            EXPECT_TRUE(n >= 1 && n <= c.largest) << n;
        }
        // The last B clicks are the bank numbers.
        for (std::size_t i = static_cast<std::size_t>(c.changing); i < clicks.size(); ++i) {
            EXPECT_TRUE(rows.BankSet.Contains(clicks[i]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RandomChoiceTest,
                         ::testing::Values(RandomCase{12, 2, 59},   // sparse
                                           RandomCase{20, 0, 32},   // dense, none left out
                                           RandomCase{28, 4, 32},   // fills 1..32
                                           RandomCase{15, 3, 35},   // dense with bank numbers
                                           RandomCase{49, 0, 100},  // sparse at 100
                                           RandomCase{1, 0, 32}));

TEST(RandomChoice, SameSeedSameNumbers) {
    auto a = MakeSeededRandomSource(42);
    auto b = MakeSeededRandomSource(42);
    EXPECT_EQ(PlanRandomClicks(12, 2, 59, *a), PlanRandomClicks(12, 2, 59, *b));
}

TEST(RandomChoice, ReplacesAnEarlierChoice) {
    RowStore rows;
    rows.ChangingNeeded = 3;
    rows.BankNeeded = 1;
    for (int n : {1, 2, 3, 4}) BoardClick(rows, n);
    ScriptedSource source({10, 20, 30, 40});
    ASSERT_FALSE(RandomChoice(rows, 59, source).has_value());
    EXPECT_EQ(rows.ChangingSet.Members(), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(rows.BankSet.Members(), (std::vector<int>{40}));
}

TEST(RandomChoice, NoSystemChosenChangesNothing) {
    RowStore rows;
    ScriptedSource source({1});
    const auto message = RandomChoice(rows, 59, source);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->id, MessageId::BoardRandomNoSystem);
    EXPECT_EQ(MessageKindFor(message->id, 0), MessageKind::Information);
    EXPECT_EQ(MessageKindFor(message->id, 1), MessageKind::Confirmation);
    EXPECT_EQ(rows.ChangingCount, 0);
}

TEST(RandomChoice, RefusesMoreNumbersThanTheLargestAllows) {
    RowStore rows;
    rows.ChangingNeeded = 30;
    rows.BankNeeded = 3;
    for (int n : {1, 2}) BoardClick(rows, n);
    const RowStore before = rows;
    ScriptedSource source({1});
    const auto message = RandomChoice(rows, 32, source);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->id, MessageId::BoardRandomTooManyNumbers);
    EXPECT_EQ(message->args, (std::vector<std::string>{"33", "32"}));
    EXPECT_EQ(rows.ChangingSet, before.ChangingSet);
    EXPECT_EQ(rows.ChangingCount, 2);
    EXPECT_NE(NoticeText(*message, 1)->find("33"), std::string::npos);
}

// A new random choice would throw away picks the user cannot see: it refuses and names them.
TEST(RandomChoice, RefusesWhileChosenNumbersAreHidden) {
    RowStore rows;
    rows.ChangingNeeded = 3;
    rows.BankNeeded = 1;
    for (int n : {5, 48, 20, 33}) BoardClick(rows, n);
    const RowStore before = rows;
    ScriptedSource source({1, 2, 3, 4});
    const auto message = RandomChoice(rows, 35, source);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->id, MessageId::BoardNumbersAboveLargest);
    EXPECT_EQ(message->args, (std::vector<std::string>{"48", "35"}));
    EXPECT_EQ(rows.ChangingSet, before.ChangingSet);
    EXPECT_EQ(rows.BankSet, before.BankSet);
    // With every pick in range it chooses anew.
    ASSERT_FALSE(RandomChoice(rows, 59, source).has_value());
    EXPECT_EQ(rows.ChangingCount, 3);
    EXPECT_FALSE(rows.ChangingSet.Contains(48));
}

TEST(RandomChoice, NegativeBankNeedBecomesNone) {
    RowStore rows;
    rows.ChangingNeeded = 5;
    rows.BankNeeded = -2;
    auto source = MakeSeededRandomSource(7);
    ASSERT_FALSE(RandomChoice(rows, 59, *source).has_value());
    EXPECT_EQ(rows.BankNeeded, 0);
    EXPECT_EQ(rows.ChangingCount, 5);
    EXPECT_EQ(rows.BankCount, 0);
}

}  // namespace
}  // namespace kombora
