// Own rows from a text file, read by the parser of the page "Own rows".
#include "own_rows_input.h"

#include "cli_command.h"
#include "io/text_encoding.h"
#include "own/own_rows_parser.h"
#include "own/rows_csv.h"

namespace kombora::cli {
namespace {

std::string OneLine(std::string text) {
    for (auto at = text.find("\r\r"); at != std::string::npos; at = text.find("\r\r")) {
        text.replace(at, 2, " ");
    }
    for (char& c : text) {
        if (c == '\r') c = ' ';
    }
    return text;
}

}  // namespace

void ReadOwnRowsFile(const std::string& fileName, const std::string& delimiter, int largestNumber,
                     RowStore& rows) {
    ParseOptions options;
    options.largestNumber = largestNumber;
    if (delimiter == "comma") {
        options.delimiterChoice = 0;
    } else if (delimiter == "semicolon") {
        options.delimiterChoice = 1;
    } else if (delimiter == "spaces") {
        options.delimiterChoice = 2;
    } else {
        throw CLI::ValidationError("--delimiter",
                                   "must be comma, semicolon or spaces, not '" + delimiter + "'");
    }
    std::string text;
    std::string error;
    if (!LoadMemoText(PathFromUtf8(fileName), text, &error)) {
        throw CommandFailure(fileName + ": " + error);
    }
    const ParseResult result = Verarbeitungsstart(text, options);
    if (!result.ok()) {
        if (result.message) {
            throw CommandFailure(fileName + ": " +
                                 OneLine(NoticeText(*result.message, 1).value_or("")));
        }
        throw CommandFailure(
            fileName + ": " +
            OneLine(MessageText(MessageId::OwnRowsBracketQuestion, 1).value_or("")));
    }
    ApplyParseResult(rows, result);
}

}  // namespace kombora::cli
