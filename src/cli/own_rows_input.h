#pragma once

#include <string>

#include "rows/row_store.h"

namespace kombora::cli {

// Reads own rows from a text file into the row store as the page's parser leaves them
// (OwnRows, OwnRowCount, OwnRowSize, OwnPool, OwnPoolSize, OwnRowsReady). `delimiter` is
// "comma", "semicolon" or "spaces"; numbers run from 1 to `largestNumber`. Throws
// CommandFailure naming the line and the item.
void ReadOwnRowsFile(const std::string& fileName, const std::string& delimiter, int largestNumber,
                     RowStore& rows);

}  // namespace kombora::cli
