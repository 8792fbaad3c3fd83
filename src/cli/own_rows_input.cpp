// Own rows from a text file. A plain reader: one row per line, the numbers separated by the
// delimiter or blanks; the page's own-rows parser will take its place.
#include "own_rows_input.h"

#include <fstream>
#include <iterator>

#include "cli_command.h"
#include "io/text_encoding.h"

namespace kombora::cli {

void ReadOwnRowsFile(const std::string& fileName, const std::string& delimiter, int largestNumber,
                     RowStore& rows) {
    char separator = ' ';
    if (delimiter == "comma") {
        separator = ',';
    } else if (delimiter == "semicolon") {
        separator = ';';
    } else if (delimiter != "spaces") {
        throw CLI::ValidationError("--delimiter",
                                   "must be comma, semicolon or spaces, not '" + delimiter + "'");
    }
    std::ifstream in(PathFromUtf8(fileName), std::ios::binary);
    if (!in) throw CommandFailure("cannot open the rows file " + fileName);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw CommandFailure("reading the rows file " + fileName + " failed");
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);

    RowStore parsed;
    int lineNumber = 0;
    int firstRowLine = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        for (char& c : line) {
            if (c == separator || c == '\t' || c == '\r') c = ' ';
        }
        const std::string where = fileName + ", line " + std::to_string(lineNumber) + ": ";
        std::vector<uint8_t> row;
        NumberSet seen;
        for (std::size_t at = 0; at < line.size();) {
            if (line[at] == ' ') {
                ++at;
                continue;
            }
            const std::size_t stop = std::min(line.find(' ', at), line.size());
            const std::string item = line.substr(at, stop - at);
            at = stop;
            int number = 0;
            try {
                number = ParseIntArgument(item, "number", 1, largestNumber);
            } catch (const CLI::ValidationError&) {
                throw CommandFailure(where + "'" + item + "' is no number from 1 to " +
                                     std::to_string(largestNumber));
            }
            if (seen.Contains(number)) {
                throw CommandFailure(where + "the number " + item + " occurs twice");
            }
            seen.Add(number);
            row.push_back(static_cast<uint8_t>(number));
        }
        if (row.empty()) continue;
        if (parsed.OwnRows.empty()) {
            firstRowLine = lineNumber;
        } else if (row.size() != parsed.OwnRows.front().size()) {
            throw CommandFailure(where + std::to_string(row.size()) + " numbers, but line " +
                                 std::to_string(firstRowLine) + " has " +
                                 std::to_string(parsed.OwnRows.front().size()));
        }
        parsed.OwnPool |= seen;
        parsed.OwnRows.push_back(std::move(row));
    }
    if (parsed.OwnRows.empty())
        throw CommandFailure("the rows file " + fileName + " holds no rows");
    rows.OwnRows = std::move(parsed.OwnRows);
    rows.OwnRowCount = static_cast<int32_t>(rows.OwnRows.size());
    rows.OwnRowSize = static_cast<int32_t>(rows.OwnRows.front().size());
    rows.OwnPool = parsed.OwnPool;
    rows.OwnPoolSize = parsed.OwnPool.Count();
    rows.OwnRowsReady = true;
}

}  // namespace kombora::cli
