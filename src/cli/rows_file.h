#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kombora::cli {

// Rows in a text file, the one reader of every command that takes a rows file: one row per
// line, numbers from 1 to `largest` separated by blanks, commas, semicolons or tabs; blank
// lines are skipped; every row has the same count of numbers, at most 10, none twice.
// `what` names the numbers in messages ("design number", "number"). Throws CommandFailure
// naming the file, the line and the fault.
std::vector<std::vector<int32_t>> ReadRowsFile(const std::string& name, int largest,
                                               const std::string& what);

}  // namespace kombora::cli
