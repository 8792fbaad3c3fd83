#include "rows_file.h"

#include <algorithm>
#include <sstream>

#include "cli_command.h"
#include "evaluation/hit_tally.h"
#include "io/checked_read.h"
#include "io/text_encoding.h"

namespace kombora::cli {

std::vector<std::vector<int32_t>> ReadRowsFile(const std::string& name, int largest,
                                               const std::string& what) {
    // Only a regular file is read, and only up to a size no sensible rows file reaches.
    constexpr std::uintmax_t kLimit = 64u << 20;
    const CheckedRead file = ReadCheckedFile(PathFromUtf8(name), kLimit);
    if (!file) {
        throw CommandFailure("cannot read the rows file " + QuoteForMessage(name) + ": " +
                             RefusalReason(file, kLimit));
    }
    std::istringstream in(file.data);
    std::vector<std::vector<int32_t>> rows;
    std::size_t rowSize = 0;
    int firstRowLine = 0;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const std::string where = QuoteForMessage(name) + ", line " + std::to_string(lineNumber) + ": ";
        for (char& c : line) {
            if (c == ',' || c == '\t' || c == '\r' || c == ';') c = ' ';
        }
        std::vector<int32_t> row;
        std::size_t at = 0;
        while (at < line.size()) {
            if (line[at] == ' ') {
                ++at;
                continue;
            }
            const std::size_t end = std::min(line.find(' ', at), line.size());
            const std::string field = line.substr(at, end - at);
            at = end;
            int number = 0;
            try {
                number = ParseIntArgument(field, what, 1, largest);
            } catch (const CLI::ValidationError&) {
                throw CommandFailure(where + "'" + QuoteForMessage(field) + "' is no " + what + " from 1 to " +
                                     std::to_string(largest));
            }
            if (std::find(row.begin(), row.end(), number) != row.end()) {
                throw CommandFailure(where + "the number " + field + " occurs twice");
            }
            row.push_back(number);
        }
        if (row.empty()) continue;  // blank lines carry no row
        if (row.size() > static_cast<std::size_t>(kMaxHitCount)) {
            throw CommandFailure(where + std::to_string(row.size()) +
                                 " numbers; a row holds at most 10");
        }
        if (rows.empty()) {
            rowSize = row.size();
            firstRowLine = lineNumber;
        } else if (row.size() != rowSize) {
            throw CommandFailure(where + std::to_string(row.size()) + " numbers, but line " +
                                 std::to_string(firstRowLine) + " has " + std::to_string(rowSize));
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) {
        throw CommandFailure("the rows file " + QuoteForMessage(name) + " holds no rows");
    }
    return rows;
}

}  // namespace kombora::cli
