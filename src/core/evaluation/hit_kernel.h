#pragma once

// Internals of the fast hit evaluation, shared by the engine and its two kernel builds (one
// for any x86-64 or other CPU, one using the hardware bit count).

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <vector>

#include "rows/number_set.h"

namespace kombora::hit_kernel {

// The rows laid out for the kernel. Design number d is bit d-1; numbers outside 1..n are left
// out, since no draw contains them.
struct PreparedRows {
    int n = 0;
    int words = 1;  // 64-bit words per set: 1 for n <= 64, 2 for n <= 128, 4 beyond
    uint32_t rowCount = 0;
    std::vector<uint64_t> allRows;    // union of every row (words)
    std::vector<uint64_t> above;      // above[x]: the numbers x+1..n ((n+1) * words)
    std::vector<uint32_t> listStart;  // rows holding x: entries listStart[x]..listStart[x+1]
    std::vector<uint32_t> listRow;    // row index of each entry
    std::vector<uint64_t> listBits;   // the row's set for each entry (words each)
};

PreparedRows Prepare(std::span<const NumberSet> rowSets, int n);

// The work of one hit count k: the draws are split by their first (up to three) numbers into
// tasks that the workers take in lexicographic order.
struct HitCountJob {
    const PreparedRows* rows = nullptr;
    int k = 0;
    int prefixLength = 0;
    std::vector<std::array<uint8_t, 3>> prefixes;
    std::atomic<std::size_t> next{0};
    const std::atomic<bool>* stop = nullptr;    // checked at least every few microseconds
    std::atomic<int64_t>* drawsDone = nullptr;  // draws counted so far, added in batches
};

// Counts per number of matches (index 0: draws without a match); the sum is the number of
// draws counted.
using MatchCounts = std::array<int64_t, 11>;

// Takes tasks of `job` until none is left or a stop is seen and adds the draws counted to
// `counts`. Returns false when it stopped before the tasks ran out.
bool WorkGeneric(HitCountJob& job, MatchCounts& counts);
bool WorkHardwarePopcount(HitCountJob& job, MatchCounts& counts);

bool HardwarePopcountSupported();

}  // namespace kombora::hit_kernel
