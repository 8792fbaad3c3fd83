#include "evaluation/draw_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/messages.h"

namespace kombora {
namespace {

struct BadDrawCase {
    const char* name;
    const char* numbers;
    const char* extra;
    int drawn;
    MessageId message;
    std::vector<std::string> args;
};

void PrintTo(const BadDrawCase& c, std::ostream* os) {
    *os << c.name;
}

class BadDraw : public ::testing::TestWithParam<BadDrawCase> {};

TEST_P(BadDraw, IsNamedInTheMessage) {
    const BadDrawCase& c = GetParam();
    const DrawReading reading = ReadDraw(c.numbers, c.extra, c.drawn, 49);
    EXPECT_FALSE(reading.draw.has_value());
    ASSERT_TRUE(reading.problem.has_value());
    EXPECT_EQ(reading.problem->id, c.message);
    EXPECT_EQ(reading.problem->args, c.args);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadDraw,
    ::testing::Values(
        BadDrawCase{"Twice", "3 7 12 25 7 41", "", 6, MessageId::DrawTwice, {"7"}},
        BadDrawCase{"Zero", "0 7 12 25 33 41", "", 6, MessageId::DrawOutOfRange, {"0", "49"}},
        BadDrawCase{
            "AboveLargest", "3 7 12 25 33 50", "", 6, MessageId::DrawOutOfRange, {"50", "49"}},
        BadDrawCase{"Huge",
                    "3 7 12 25 33 99999999999999999999",
                    "",
                    6,
                    MessageId::DrawOutOfRange,
                    {"99999999999999999999", "49"}},
        BadDrawCase{"Letters", "3 7 1x 25 33 41", "", 6, MessageId::DrawNotANumber, {"1x"}},
        BadDrawCase{"Negative", "3 7 -12 25 33 41", "", 6, MessageId::DrawNotANumber, {"-12"}},
        BadDrawCase{"Decimal", "3 7 12.5 25 33 41", "", 6, MessageId::DrawNotANumber, {"12.5"}},
        BadDrawCase{"TooFew", "3 7 12 25 33", "", 6, MessageId::DrawTooFew, {"5", "6"}},
        BadDrawCase{"Empty", "  ", "", 6, MessageId::DrawTooFew, {"0", "6"}},
        BadDrawCase{"TooMany", "3 7 12 25 33 41 44", "", 6, MessageId::DrawTooMany, {"7", "6"}},
        BadDrawCase{"TooManyForFive", "3 7 12 25 33 41", "", 5, MessageId::DrawTooMany, {"6", "5"}},
        BadDrawCase{
            "ExtraLetters", "3 7 12 25 33 41", "z", 6, MessageId::DrawExtraNotANumber, {"z"}},
        BadDrawCase{"ExtraOutOfRange",
                    "3 7 12 25 33 41",
                    "50",
                    6,
                    MessageId::DrawExtraOutOfRange,
                    {"50", "49"}},
        BadDrawCase{"ExtraAmongNumbers",
                    "3 7 12 25 33 41",
                    "12",
                    6,
                    MessageId::DrawExtraAmongNumbers,
                    {"12"}},
        BadDrawCase{
            "TwoExtras", "3 7 12 25 33 41", "9 10", 6, MessageId::DrawExtraMoreThanOne, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDraw, AcceptsCommonSeparatorsAndSortsTheNumbers) {
    const DrawReading reading = ReadDraw(" 41, 3;7\t12  25,33 ", " 9 ", 6, 49);
    ASSERT_TRUE(reading.draw.has_value()) << reading.problem->Text(1);
    EXPECT_EQ(reading.draw->numbers, (std::vector<int>{3, 7, 12, 25, 33, 41}));
    EXPECT_EQ(reading.draw->extra, 9);
    EXPECT_EQ(ReadDraw("1 2 3 4 5 6", "", 6, 49).draw->extra, 0);
    EXPECT_TRUE(ReadDraw("1 2 3 4 5 90", "", 6, 90).draw.has_value());
}

TEST(ReadDraw, MessagesNameTheFaultInBothLanguages) {
    const DrawReading reading = ReadDraw("3 7 12 25 7 41", "", 6, 49);
    ASSERT_TRUE(reading.problem.has_value());
    EXPECT_EQ(reading.problem->Text(1),
              "Number 7 appears more than once among the drawn numbers.\r\rI will abort first of "
              "all.");
    EXPECT_EQ(reading.problem->Text(0),
              "Die Zahl 7 steht mehr als einmal unter den gezogenen Zahlen.\r\rIch breche erst "
              "einmal ab.");
}

TEST(MatchRows, CountsMatchesAndTheExtraNumberAndSummarizesFromTheTop) {
    const std::vector<std::vector<int32_t>> rows = {
        {1, 2, 3, 4, 5, 6},     {3, 7, 12, 25, 33, 40}, {9, 10, 11, 12, 13, 14},
        {41, 33, 25, 12, 7, 3}, {3, 7, 12, 25, 9, 40},  {20, 21, 22, 23, 24, 26}};
    const DrawReading reading = ReadDraw("3 7 12 25 33 41", "9", 6, 49);
    ASSERT_TRUE(reading.draw.has_value());
    const std::vector<RowMatch> matches = MatchRows(rows, *reading.draw);
    const std::vector<int> counts = {1, 5, 1, 6, 4, 0};
    const std::vector<bool> extra = {false, false, true, false, true, false};
    ASSERT_EQ(matches.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(matches[r].matches, counts[r]) << "row " << r;
        EXPECT_EQ(matches[r].extra, extra[r]) << "row " << r;
    }

    const std::vector<MatchSummaryLine> summary = SummarizeMatches(matches);
    ASSERT_EQ(summary.size(), 5u);
    const int expectedMatches[] = {6, 5, 4, 1, 0};
    const int64_t expectedRows[] = {1, 1, 1, 2, 1};
    const int64_t expectedExtra[] = {0, 0, 1, 1, 0};
    for (std::size_t i = 0; i < summary.size(); ++i) {
        EXPECT_EQ(summary[i].matches, expectedMatches[i]);
        EXPECT_EQ(summary[i].rows, expectedRows[i]);
        EXPECT_EQ(summary[i].withExtra, expectedExtra[i]);
    }
    EXPECT_TRUE(SummarizeMatches({}).empty());
}

TEST(MatchSummaryText, ReadsInBothLanguages) {
    struct Case {
        MatchSummaryLine line;
        const char* german;
        const char* english;
    };
    for (const Case& c : {
             Case{{5, 2, 0}, "2 Reihen mit 5 Richtigen", "2 rows with 5 matches"},
             Case{{5, 1, 1},
                  "1 Reihe mit 5 Richtigen (mit Zusatzzahl)",
                  "1 row with 5 matches (with the extra number)"},
             Case{{1, 1, 0}, "1 Reihe mit 1 Richtigen", "1 row with 1 match"},
             Case{{1, 1200, 3},
                  "1.200 Reihen mit 1 Richtigen (3 davon mit Zusatzzahl)",
                  "1,200 rows with 1 match (3 of them with the extra number)"},
             Case{{0, 4, 0}, "4 Reihen mit 0 Richtigen", "4 rows with 0 matches"},
         }) {
        EXPECT_EQ(MatchSummaryText(c.line, 0, NumberLocale::German()), c.german);
        EXPECT_EQ(MatchSummaryText(c.line, 1, NumberLocale::English()), c.english);
    }
}

}  // namespace
}  // namespace kombora
