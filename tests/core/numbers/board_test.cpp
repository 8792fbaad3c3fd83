#include "numbers/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kombora {
namespace {

RowStore Prepared(int changingNeeded, int bankNeeded) {
    RowStore rows;
    rows.ChangingNeeded = changingNeeded;
    rows.BankNeeded = bankNeeded;
    return rows;
}

// Clicks every number and returns the message of the last click.
std::optional<Notice> ClickAll(RowStore& rows, const std::vector<int>& clicks) {
    std::optional<Notice> last;
    for (int n : clicks) last = BoardClick(rows, n);
    return last;
}

void ExpectConsistent(const RowStore& rows) {
    EXPECT_EQ(rows.ChangingSet.Count(), rows.ChangingCount);
    EXPECT_EQ(rows.BankSet.Count(), rows.BankCount);
    EXPECT_EQ(rows.ChangingSet.IntersectionCount(rows.BankSet), 0);
    EXPECT_LE(rows.ChangingCount, rows.ChangingNeeded);
    EXPECT_LE(rows.BankCount, std::max(rows.BankNeeded, 0));
}

struct ClickCase {
    const char* name;
    int changingNeeded;
    int bankNeeded;
    std::vector<int> clicks;
    std::vector<int> changing;  // expected ChangingSet
    std::vector<int> bank;      // expected BankSet
    bool bankMode;
    std::optional<MessageId> lastMessage;  // the last click's message
    std::vector<std::string> lastArgs;
};

class BoardClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(BoardClickTest, EndsInExpectedState) {
    const ClickCase& c = GetParam();
    RowStore rows = Prepared(c.changingNeeded, c.bankNeeded);
    const auto message = ClickAll(rows, c.clicks);
    EXPECT_EQ(rows.ChangingSet.Members(), c.changing);
    EXPECT_EQ(rows.BankSet.Members(), c.bank);
    EXPECT_EQ(rows.BankMode, c.bankMode);
    if (!c.lastMessage) {
        EXPECT_FALSE(message.has_value());
    } else {
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->id, *c.lastMessage);
        EXPECT_EQ(message->args, c.lastArgs);
    }
    ExpectConsistent(rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoardClickTest,
    ::testing::Values(
        ClickCase{"NoSystemChosen", 0, 0, {5}, {}, {}, false, MessageId::BoardNoSystem, {}},
        ClickCase{"NoBankNeededRefusesExtra",
                  3,
                  0,
                  {4, 9, 2, 17},
                  {2, 4, 9},
                  {},
                  false,
                  MessageId::BoardNumbersComplete,
                  {"3"}},
        ClickCase{"FreeClicksBecomeBankNumbers",
                  3,
                  2,
                  {4, 9, 2, 17, 30},
                  {2, 4, 9},
                  {17, 30},
                  true,
                  std::nullopt,
                  {}},
        ClickCase{"ThirdBankNumberRefused",
                  3,
                  2,
                  {4, 9, 2, 17, 30, 41},
                  {2, 4, 9},
                  {17, 30},
                  true,
                  MessageId::BoardBankNumbersComplete,
                  {"2"}},
        ClickCase{"ChangingNumberInBankModeTakenBack",
                  3,
                  2,
                  {4, 9, 2, 17, 9},
                  {2, 4},
                  {17},
                  false,
                  std::nullopt,
                  {}},
        ClickCase{"BankNumberInBankModeTakenBack",
                  3,
                  2,
                  {4, 9, 2, 17, 30, 17},
                  {2, 4, 9},
                  {30},
                  true,
                  std::nullopt,
                  {}},
        // After a changing number is taken back, a click on a bank number takes that back
        // too instead of making it a changing number as well.
        ClickCase{"BankNumberWhileChoosingChangingTakenBack",
                  3,
                  2,
                  {4, 9, 2, 17, 9, 17},
                  {2, 4},
                  {},
                  false,
                  std::nullopt,
                  {}},
        ClickCase{"ChangingCompletedAgainThenBank",
                  3,
                  2,
                  {4, 9, 2, 17, 9, 50, 60},
                  {2, 4, 50},
                  {17, 60},
                  true,
                  std::nullopt,
                  {}},
        ClickCase{"OutsideBoardIgnored", 3, 0, {0, 101, -3}, {}, {}, false, std::nullopt, {}},
        ClickCase{"NegativeBankNeededActsAsNone",
                  2,
                  -1,
                  {1, 2, 3},
                  {1, 2},
                  {},
                  false,
                  MessageId::BoardNumbersComplete,
                  {"2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardClick, RefusedClickLeavesBoardAndCountersUnchanged) {
    RowStore rows = Prepared(2, 1);
    ClickAll(rows, {10, 20, 30});
    const RowStore before = rows;
    const auto message = BoardClick(rows, 40);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(rows.ChangingSet, before.ChangingSet);
    EXPECT_EQ(rows.BankSet, before.BankSet);
    EXPECT_EQ(ChangingCounterText(rows), "2");
    EXPECT_EQ(BankCounterText(rows), "1");
}

TEST(BoardClick, LooksFollowTheSets) {
    RowStore rows = Prepared(2, 1);
    ClickAll(rows, {10, 20, 30});
    EXPECT_EQ(LookOf(rows, 10), BoardLook::Changing);
    EXPECT_EQ(LookOf(rows, 30), BoardLook::Bank);
    EXPECT_EQ(LookOf(rows, 40), BoardLook::Normal);
}

TEST(BoardClick, MessagesReadAsTheUserSeesThem) {
    RowStore none;
    EXPECT_EQ(NoticeText(*BoardClick(none, 1), 1), "Please go back and select a system first.");
    EXPECT_EQ(NoticeText(*BoardClick(none, 1), 0),
              "Bitte gehen Sie zurück und wählen Sie zunächst ein System aus.");

    RowStore noBank = Prepared(7, 0);
    const auto full = ClickAll(noBank, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(NoticeText(*full, 1), "You have already selected 7 numbers.");
    EXPECT_EQ(MessageKindFor(full->id, 1), MessageKind::Error);

    RowStore twoBank = Prepared(2, 2);
    const auto bank = ClickAll(twoBank, {1, 2, 3, 4, 5});
    EXPECT_EQ(NoticeText(*bank, 0), "Sie haben bereits 2 Bankzahlen gewählt.");
    EXPECT_FALSE(NoticeText(*bank, 2).has_value());
}

TEST(BoardClear, EmptiesTheChoiceButKeepsTheRows) {
    RowStore rows = Prepared(2, 1);
    rows.NumberCounts[5] = 3;
    rows.TipRows = {{1, 2, 3}};
    ClickAll(rows, {10, 20, 30});
    BoardClear(rows);
    EXPECT_TRUE(rows.ChangingSet.Empty());
    EXPECT_TRUE(rows.BankSet.Empty());
    EXPECT_EQ(rows.ChangingCount, 0);
    EXPECT_EQ(rows.BankCount, 0);
    EXPECT_FALSE(rows.BankMode);
    EXPECT_EQ(rows.NumberCounts[5], 3);
    EXPECT_EQ(rows.TipRows.size(), 1u);
    EXPECT_EQ(ChangingCounterText(rows), "0");
}

// Lowering the largest number hides chosen numbers without taking them back; the counters
// tell how many of them are hidden and the check names them.
TEST(HiddenChoice, CountersAndCheckNameTheNumbersAboveTheLargest) {
    RowStore rows = Prepared(4, 2);
    ClickAll(rows, {3, 37, 12, 56, 40, 59});  // changing 3, 12, 37, 56; bank 40, 59
    struct Case {
        int largest;
        const char* changing;
        const char* bank;
        std::vector<int> above;
    };
    for (const Case& c :
         {Case{59, "4", "2", {}}, Case{100, "4", "2", {}}, Case{56, "4", "2 (1 hidden)", {59}},
          Case{39, "4 (1 hidden)", "2 (2 hidden)", {40, 56, 59}},
          Case{35, "4 (2 hidden)", "2 (2 hidden)", {37, 40, 56, 59}}}) {
        SCOPED_TRACE(c.largest);
        EXPECT_EQ(ChangingCounterText(rows, c.largest), c.changing);
        EXPECT_EQ(BankCounterText(rows, c.largest), c.bank);
        EXPECT_EQ(ChosenAboveLargest(rows, c.largest), c.above);
        EXPECT_EQ(HiddenChoiceCheck(rows, c.largest).has_value(), !c.above.empty());
    }
    const auto notice = HiddenChoiceCheck(rows, 35);
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->id, MessageId::BoardNumbersAboveLargest);
    EXPECT_EQ(notice->args, (std::vector<std::string>{"37, 40, 56, 59", "35"}));
    EXPECT_EQ(NoticeText(*notice, 0),
              "Diese gewählten Zahlen liegen über der größten Zahl 35: 37, 40, 56, 59. Sie sind "
              "auf dem Zahlenfeld ausgeblendet und kämen in Tippreihen, die in Ihrer Lotterie "
              "nicht spielbar sind. Bitte stellen Sie eine größere größte Zahl ein oder leeren "
              "Sie das Zahlenfeld.\r\rIch breche erst einmal ab.");
    EXPECT_EQ(rows.ChangingCount, 4);
}

TEST(BoardNumberVisible, ShowsExactlyOneToLargest) {
    EXPECT_TRUE(BoardNumberVisible(40, 40));
    EXPECT_FALSE(BoardNumberVisible(41, 40));
    EXPECT_FALSE(BoardNumberVisible(0, 40));
}

}  // namespace
}  // namespace kombora
