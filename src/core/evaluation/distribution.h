#pragma once

// The number distribution of the own rows: how often each number occurs, and the numbers that
// stand in every row (the bank numbers of the own rows).

#include <array>
#include <cstdint>

#include "rows/row_store.h"

namespace kombora {

// How a number's value panel is coloured.
enum class DistributionMark {
    Absent,   // the number does not occur: the button face
    Present,  // in some rows, not in all: yellow
    Bank,     // in every row, and there is more than one row: bright green
};

// Verteilungermitteln: fills OwnNumberCounts, OwnBankSet and OwnBankCount of the row store
// from OwnRows. A number counts as a bank number only when there are at least two rows.
void Verteilungermitteln(RowStore& rows);

// The mark of number n (1..100) after Verteilungermitteln.
DistributionMark DistributionMarkOf(const RowStore& rows, int n);

}  // namespace kombora
