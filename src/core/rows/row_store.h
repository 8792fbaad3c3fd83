#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rows/number_set.h"

namespace kombora {

// The variables through which the pages hand chosen numbers and rows to one another.
// Everything starts empty or zero.
struct RowStore {
    // Chosen numbers
    int32_t TipSize = 0;         // numbers per tip row, bank numbers included
    int32_t ChangingNeeded = 0;  // pool size of the selected system; 0 = none chosen yet
    int32_t BankNeeded = 0;      // TipSize minus the selected system's RG
    NumberSet ChangingSet;
    NumberSet BankSet;
    int32_t ChangingCount = 0;
    int32_t BankCount = 0;
    bool BankMode = false;                    // the next free-number click picks a bank number
    std::array<int32_t, 101> NumberCounts{};  // index 1..100

    // Rows of the selected system
    std::vector<std::vector<int32_t>> TipRows;
    std::vector<NumberSet> ComboSets;
    std::vector<std::vector<int32_t>> OwnSystemRows;

    // Own rows
    std::vector<std::vector<uint8_t>> OwnRows;
    int32_t OwnRowCount = 0;
    int32_t OwnRowSize = 0;
    NumberSet OwnPool;
    int32_t OwnPoolSize = 0;
    bool OwnRowsReady = false;
    std::array<int32_t, 101> OwnNumberCounts{};
    NumberSet OwnBankSet;
    int32_t OwnBankCount = 0;
    std::vector<NumberSet> OwnRowSets;
};

}  // namespace kombora
