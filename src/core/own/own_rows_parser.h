#pragma once

// The own-rows text parser: turns the text of the "Own rows" memo into the own-rows tables of
// the row store. It first normalises the text (blanks, empty lines, trailing delimiters, the
// bracket notation), then checks it line by line and number by number and stops at the first
// problem with a message that names the line and the item.
//
// The parser reads the logical lines of the text: a line ends at a line break ("\r\n", "\n"
// or "\r"), however the memo wraps it on screen. A final line break adds no empty line.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/messages.h"
#include "numbers/board_messages.h"
#include "rows/number_set.h"
#include "rows/row_store.h"

namespace kombora {

// The delimiter of the item index of the choice "Delimiter": 0 ",", 1 ";", 2 " "; '\0' for no
// choice (or any other index), which never matches and ends a parse with the delimiter message.
char DelimiterOfChoice(int32_t itemIndex);

struct ParseOptions {
    int32_t delimiterChoice = 0;  // 0 "Comma", 1 "Semicolon", 2 "Spaces", -1 none
    bool thorough = true;         // "Check rows thoroughly"
    int32_t largestNumber = 49;   // the lottery's highest number
};

struct ParseCallbacks {
    // The bracket question; every answer but Yes ends the parse without a message. Without a
    // callback the question is answered with Cancel.
    std::function<MessageAnswer()> askBrackets;
    // Progress of the line phases: `position` of `maximum`. Returning false stops the parse
    // (failure without a message). Called once per line of each phase; the caller throttles
    // what it shows.
    std::function<bool(int64_t position, int64_t maximum)> progress;
};

enum class ParseEnd {
    Ok,
    Message,   // a check failed: `message` says which, with line and item
    Declined,  // the bracket question was not answered with Yes
    Stopped,   // the progress callback asked to stop
};

struct ParseResult {
    ParseEnd end = ParseEnd::Message;
    bool ok() const { return end == ParseEnd::Ok; }

    std::optional<Notice> message;  // set when end == Message

    // The text after the normalisation steps that ran (lines joined by "\n"); also after a
    // failure, when it stays in the memo. Equal to the input when the text was empty.
    std::string text;
    bool textNormalised = false;  // false: the parse ended before touching the text

    // Set once the rows have been counted (the line checks passed), also when a later item
    // check failed: the tip-row count belongs to the new text then.
    bool rowsCounted = false;
    int32_t rowCount = 0;
    int32_t rowSize = 0;
    // Complete only when ok(): the rows, each ascending, and every number that occurs.
    std::vector<std::vector<uint8_t>> rows;
    NumberSet pool;
    int32_t poolSize = 0;

    // The progress bar: its maximum and where it ends (0 after a check message or a declined
    // question; where it was after a conversion error or a stop).
    int64_t gaugeMaximum = 0;
    int64_t gaugePosition = 0;
};

// Verarbeitungsstart over the memo's text.
ParseResult Verarbeitungsstart(std::string_view text, const ParseOptions& options,
                               const ParseCallbacks& callbacks = {});

// Hands a parse to the row store: on success the own rows, their count, size and pool and
// OwnRowsReady; after a failure in the item checks the row count and size only (the pool size
// keeps its old value); otherwise nothing. OwnRowsReady is true exactly after a success.
void ApplyParseResult(RowStore& rows, const ParseResult& result);

// How often `c` occurs in `text`.
int32_t CountChar(char c, std::string_view text);

// Cuts a text into its logical lines (see above).
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace kombora
