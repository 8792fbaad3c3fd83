// The own-rows text parser: its normalisation, its messages with line and item, the bracket
// notation, progress and what reaches the row store.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "own/own_rows_parser.h"

namespace kombora {
namespace {

using Rows = std::vector<std::vector<uint8_t>>;

ParseResult Parse(std::string_view text, int delimiter = 0, bool thorough = true, int largest = 49,
                  MessageAnswer brackets = MessageAnswer::Cancel) {
    ParseCallbacks callbacks;
    callbacks.askBrackets = [brackets] { return brackets; };
    return Verarbeitungsstart(text, {delimiter, thorough, largest}, callbacks);
}

// Every message of the parser, each once, with the line and item it names.
struct MessageCase {
    const char* name;
    std::string text;
    int delimiter;
    bool thorough;
    MessageId id;
    std::vector<std::string> args;
    const char* english;  // the statement of the English text
};

const std::vector<MessageCase> kMessageCases = {
    {"empty",
     "",
     0,
     true,
     MessageId::OwnRowsEmptyText,
     {},
     "The text field does not contain any rows."},
    {"no delimiter",
     "1;2;3\n4;5;6",
     0,
     true,
     MessageId::OwnRowsDelimiter,
     {},
     "Please check the delimiter choice."},
    {"single line",
     "1,2,3",
     0,
     true,
     MessageId::OwnRowsFirstTwoRows,
     {},
     "The first two rows contain a different number of numbers."},
    {"count in line 3",
     "1,2,3\n4,5,6\n7,8,9,",
     0,
     false,
     MessageId::OwnRowsCountInLine,
     {"3", "3"},
     "In Line 3 I cannot make out 3 numbers."},
    {"out of range",
     "1,2,3\n4,5,6\n7,8,50",
     0,
     true,
     MessageId::OwnRowsOutOfRange,
     {"50", "3", "49"},
     "Number 50 in line 3 is outside the range of validity from 1 to 49."},
    {"twice in a row",
     "1,2,3\n4,5,4",
     0,
     true,
     MessageId::OwnRowsTwiceInRow,
     {"4", "2"},
     "Number 4 is at least once too much in line 2."},
    {"not a number",
     "1,2,3\n4,x5,6",
     0,
     true,
     MessageId::OwnRowsNotANumber,
     {"x5", "2"},
     "Item \"x5\" in line 2 is not a whole number."},
};

TEST(OwnRowsParser, EveryMessageNamesItsLineAndItem) {
    std::set<MessageId> seen;
    for (const auto& c : kMessageCases) {
        SCOPED_TRACE(c.name);
        const ParseResult r = Parse(c.text, c.delimiter, c.thorough);
        ASSERT_EQ(r.end, ParseEnd::Message);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(r.message->id, c.id);
        EXPECT_EQ(r.message->args, c.args);
        const auto text = NoticeText(*r.message, 1);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(text->substr(0, std::string(c.english).size()), c.english);
        EXPECT_TRUE(text->ends_with("\r\rI will abort first of all.")) << *text;
        EXPECT_TRUE(seen.insert(c.id).second) << "message twice in the table";
    }
    // The table covers every message the parser shows.
    EXPECT_EQ(seen.size(), 7u);
}

struct RefusedCase {
    const char* name;
    std::string text;
    int delimiter;
    bool thorough;
    int largest;
    MessageId id;
    std::vector<std::string> args;
};

TEST(OwnRowsParser, RefusesWhatTheTextSyntaxDoesNotAllow) {
    const std::vector<RefusedCase> cases = {
        {"blank lines only, comma", " \n  \n", 0, true, 49, MessageId::OwnRowsDelimiter, {}},
        {"extra comma in line 1 without thorough check",
         "1,2,3,\n4,5,6\n7,8,9",
         0,
         false,
         49,
         MessageId::OwnRowsFirstTwoRows,
         {}},
        {"zero", "0,2,3\n4,5,6", 0, true, 49, MessageId::OwnRowsOutOfRange, {"0", "1", "49"}},
        {"negative", "1,2,3\n4,-3,6", 0, true, 49, MessageId::OwnRowsOutOfRange, {"-3", "2", "49"}},
        // 300 is never read as a smaller number (it does not fit a byte).
        {"300", "1,2,300\n4,5,6", 0, true, 100, MessageId::OwnRowsOutOfRange, {"300", "1", "100"}},
        {"beyond every integer",
         "1,2,3\n4,5,99999999999999999999",
         0,
         true,
         49,
         MessageId::OwnRowsOutOfRange,
         {"99999999999999999999", "2", "49"}},
        {"largest plus one",
         "1,2,50\n4,5,6",
         0,
         true,
         49,
         MessageId::OwnRowsOutOfRange,
         {"50", "1", "49"}},
        {"twice", "1,2,2\n4,5,6", 0, true, 49, MessageId::OwnRowsTwiceInRow, {"2", "1"}},
        {"blank before the delimiter",
         "1 ,2 ,3\n4 ,5 ,6",
         0,
         true,
         49,
         MessageId::OwnRowsNotANumber,
         {"1 ", "1"}},
        {"empty item", "1,,3\n4,5,6", 0, true, 49, MessageId::OwnRowsNotANumber, {"", "1"}},
        {"trailing blank with spaces, not thorough",
         "1 2 3 \n4 5 6 ",
         2,
         false,
         49,
         MessageId::OwnRowsNotANumber,
         {"", "1"}},
        {"hexadecimal", "1,2,$10\n4,5,6", 0, true, 49, MessageId::OwnRowsNotANumber, {"$10", "1"}},
        {"no choice", "1,2,3\n4,5,6", -1, true, 49, MessageId::OwnRowsDelimiter, {}},
        {"blank after the comma in bracket notation",
         "(1,2,3), (4,5,6)",
         0,
         true,
         49,
         MessageId::OwnRowsFirstTwoRows,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseResult r = Parse(c.text, c.delimiter, c.thorough, c.largest);
        ASSERT_EQ(r.end, ParseEnd::Message);
        EXPECT_EQ(r.message->id, c.id);
        EXPECT_EQ(r.message->args, c.args);
    }
}

struct ReadCase {
    const char* name;
    std::string text;
    int delimiter;
    bool thorough;
    Rows rows;
    std::string normalised;
};

TEST(OwnRowsParser, ReadsAndNormalises) {
    const std::vector<ReadCase> cases = {
        {"plain", "1,2,3\n4,5,6", 0, true, {{1, 2, 3}, {4, 5, 6}}, "1,2,3\n4,5,6"},
        {"sorted", "6,5,4\r\n1,2,3\r\n", 0, true, {{4, 5, 6}, {1, 2, 3}}, "6,5,4\n1,2,3"},
        {"trailing comma, thorough",
         "1,2,3\n4,5,6\n7,8,9,",
         0,
         true,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
         "1,2,3\n4,5,6\n7,8,9"},
        {"semicolon", "1;2;3\n4;5;6", 1, true, {{1, 2, 3}, {4, 5, 6}}, "1;2;3\n4;5;6"},
        {"blank before a number",
         "1, 2, 3\n4, 5, 6",
         0,
         true,
         {{1, 2, 3}, {4, 5, 6}},
         "1, 2, 3\n4, 5, 6"},
        {"runs of blanks with spaces",
         "1  2   3\n4 5 6",
         2,
         true,
         {{1, 2, 3}, {4, 5, 6}},
         "1 2 3\n4 5 6"},
        {"empty lines, tabs and blanks around",
         "\n\t 1,2,3 \t\n\n  4,5,6\n\n",
         0,
         true,
         {{1, 2, 3}, {4, 5, 6}},
         "1,2,3\n4,5,6"},
        {"old Mac line breaks", "1,2\r3,4\r", 0, true, {{1, 2}, {3, 4}}, "1,2\n3,4"},
        {"plus sign", "+1,2\n3,4", 0, true, {{1, 2}, {3, 4}}, "+1,2\n3,4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ParseResult r = Parse(c.text, c.delimiter, c.thorough);
        ASSERT_TRUE(r.ok()) << (r.message ? NoticeText(*r.message, 1).value_or("") : "");
        EXPECT_EQ(r.rows, c.rows);
        EXPECT_EQ(r.text, c.normalised);
        EXPECT_EQ(r.rowCount, static_cast<int32_t>(c.rows.size()));
        EXPECT_EQ(r.rowSize, static_cast<int32_t>(c.rows[0].size()));
    }
}

TEST(OwnRowsParser, PoolAndRowStore) {
    const ParseResult r = Parse("1,2,3\n4,5,6\n3,4,7");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.poolSize, 7);
    EXPECT_EQ(r.pool.Members(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

    RowStore store;
    store.OwnPoolSize = 99;
    ApplyParseResult(store, r);
    EXPECT_TRUE(store.OwnRowsReady);
    EXPECT_EQ(store.OwnRowCount, 3);
    EXPECT_EQ(store.OwnRowSize, 3);
    EXPECT_EQ(store.OwnPoolSize, 7);
    EXPECT_EQ(store.OwnRows, (Rows{{1, 2, 3}, {4, 5, 6}, {3, 4, 7}}));

    // A failure in the item checks: the count belongs to the new text, the pool size is the
    // old one, and the rows are not ready.
    const ParseResult bad = Parse("1,2\n3,4\n5,5\n6,7");
    ASSERT_EQ(bad.end, ParseEnd::Message);
    ApplyParseResult(store, bad);
    EXPECT_FALSE(store.OwnRowsReady);
    EXPECT_EQ(store.OwnRowCount, 4);
    EXPECT_EQ(store.OwnRowSize, 2);
    EXPECT_EQ(store.OwnPoolSize, 7);

    // An earlier failure leaves the tables alone.
    ApplyParseResult(store, Parse("1,2,3"));
    EXPECT_FALSE(store.OwnRowsReady);
    EXPECT_EQ(store.OwnRowCount, 4);
}

TEST(OwnRowsParser, BracketNotationYes) {
    struct Case {
        const char* name;
        std::string text;
        int delimiter;
        Rows rows;
        std::string normalised;
    };
    const std::vector<Case> cases = {
        {"one line",
         "(1,2,3),(4,5,6),(7,8,9)",
         0,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
         "1,2,3\n4,5,6\n7,8,9"},
        {"closing semicolon", "(1,2,3),(4,5,6);", 0, {{1, 2, 3}, {4, 5, 6}}, "1,2,3\n4,5,6"},
        {"over several lines with blanks",
         "(1, 2, 3),(4, 5,\n 6),( 7,8,9 )",
         0,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
         "1,2,3\n4,5,6\n7,8,9"},
        {"semicolons inside", "(1;2;3),(4;5;6)", 1, {{1, 2, 3}, {4, 5, 6}}, "1;2;3\n4;5;6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int asked = 0;
        ParseCallbacks callbacks;
        callbacks.askBrackets = [&] {
            ++asked;
            return MessageAnswer::Yes;
        };
        const ParseResult r = Verarbeitungsstart(c.text, {c.delimiter, true, 49}, callbacks);
        EXPECT_EQ(asked, 1);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.rows, c.rows);
        EXPECT_EQ(r.text, c.normalised);
    }
}

TEST(OwnRowsParser, BracketNotationDeclined) {
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
        const ParseResult r = Parse("  (1,2,3),(4,5,6)  \n\n(7,8,9)", 0, true, 49, answer);
        EXPECT_EQ(r.end, ParseEnd::Declined);
        EXPECT_FALSE(r.message.has_value());
        // The text as after the removal of blanks and empty lines.
        EXPECT_EQ(r.text, "(1,2,3),(4,5,6)\n(7,8,9)");
        EXPECT_EQ(r.gaugePosition, 0);
    }
    // No callback: the question is not answered with Yes.
    EXPECT_EQ(Verarbeitungsstart("(1,2),(3,4)", {}).end, ParseEnd::Declined);
    // No question without "),(".
    int asked = 0;
    ParseCallbacks callbacks;
    callbacks.askBrackets = [&] {
        ++asked;
        return MessageAnswer::Yes;
    };
    EXPECT_TRUE(Verarbeitungsstart("1,2\n3,4", {}, callbacks).ok());
    EXPECT_EQ(asked, 0);
}

TEST(OwnRowsParser, ProgressRunsThroughTheLinePhases) {
    struct Case {
        const char* name;
        int delimiter;
        bool thorough;
        int64_t maximum;
        int64_t steps;  // progress calls
        int64_t end;
    };
    // Five lines: 4 x 4 with thorough checking, 2 x 4 without; with blanks as delimiter the
    // trailing-delimiter phase is passed over.
    const std::vector<Case> cases = {
        {"thorough", 0, true, 16, 20, 16},
        {"not thorough", 0, false, 8, 10, 8},
        {"thorough, blanks", 2, true, 16, 15, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text =
            c.delimiter == 0 ? "1,2\n3,4\n5,6\n7,8\n9,10" : "1 2\n3 4\n5 6\n7 8\n9 10";
        int64_t calls = 0;
        int64_t last = -1;
        bool monotone = true;
        ParseCallbacks callbacks;
        callbacks.progress = [&](int64_t position, int64_t maximum) {
            ++calls;
            monotone = monotone && position >= last && maximum == c.maximum;
            last = position;
            return true;
        };
        const ParseResult r = Verarbeitungsstart(text, {c.delimiter, c.thorough, 49}, callbacks);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.gaugeMaximum, c.maximum);
        EXPECT_EQ(calls, c.steps);
        EXPECT_EQ(r.gaugePosition, c.end);
        EXPECT_TRUE(monotone);
    }
}

TEST(OwnRowsParser, GaugeAfterFailuresAndStop) {
    // A check message puts the bar back to 0; a conversion error leaves it where it was.
    EXPECT_EQ(Parse("1,2\n3,4\n5,60").gaugePosition, 0);
    // Five lines without thorough checking: the line check (5 steps) and line 1 (1 step).
    const ParseResult conversion = Parse("1,2\n3,x\n5,6\n7,8\n9,10", 0, false);
    EXPECT_EQ(conversion.message->id, MessageId::OwnRowsNotANumber);
    EXPECT_EQ(conversion.gaugeMaximum, 8);
    EXPECT_EQ(conversion.gaugePosition, 6);

    ParseCallbacks callbacks;
    int calls = 0;
    callbacks.progress = [&](int64_t, int64_t) { return ++calls < 4; };
    const ParseResult stopped = Verarbeitungsstart("1,2\n3,4\n5,6", {}, callbacks);
    EXPECT_EQ(stopped.end, ParseEnd::Stopped);
    EXPECT_EQ(calls, 4);
    EXPECT_FALSE(stopped.message.has_value());
}

TEST(OwnRowsParser, LogicalLinesAndCountChar) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd\n"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(CountChar(',', ""), 0);
    EXPECT_EQ(CountChar(',', "1,2,,3"), 3);
    EXPECT_EQ(DelimiterOfChoice(0), ',');
    EXPECT_EQ(DelimiterOfChoice(1), ';');
    EXPECT_EQ(DelimiterOfChoice(2), ' ');
    EXPECT_EQ(DelimiterOfChoice(3), '\0');
}

}  // namespace
}  // namespace kombora
