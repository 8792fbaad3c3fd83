#pragma once

#include <string>

#include "rows/row_store.h"

namespace kombora::cli {

// Reads own rows from a text file as the page "Own rows" parses its text field, and hands
// them to the row store (OwnRows, OwnRowCount, OwnRowSize, OwnPool, OwnPoolSize,
// OwnRowsReady). `delimiter` is "comma", "semicolon" or "spaces"; numbers run from 1 to
// `largestNumber`. Throws CommandFailure with the parser's message.
void ReadOwnRowsFile(const std::string& fileName, const std::string& delimiter, int largestNumber,
                     RowStore& rows);

}  // namespace kombora::cli
