#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>

#include "evaluation/hit_tally.h"
#include "rows/number_set.h"

namespace kombora {

enum class KernelChoice : uint8_t {
    Automatic,         // the hardware bit count where the CPU has it
    Generic,           // the portable build
    HardwarePopcount,  // the POPCNT build; falls back to the portable one without it
};

struct EvaluationOptions {
    int threads = 0;  // worker threads; 0 = one per core
    KernelChoice kernel = KernelChoice::Automatic;
};

// Called on the thread that runs the evaluation, never on a worker.
struct EvaluationCallbacks {
    // Hit count k is about to be counted; `draws` is the number of its draws, C(wz, k). Lets
    // the display show a long hit count's total while it runs.
    std::function<void(int k, int64_t draws)> hitCountStarted;
    // Draws counted so far of all draws of the run; at least every 50 ms while a hit count is
    // counted and once when it ends.
    std::function<void(int64_t drawsDone, int64_t drawTotal)> progress;
    // Hit count k has its final state (Complete, Partial or Skipped); called for every hit
    // count of the range in ascending order.
    std::function<void(const EvaluationResult& result, int k)> hitCountFinished;
};

// True when the CPU has the hardware bit count the fast kernel can use.
bool HardwarePopcountAvailable();

// For every hit count k from firstHitCount to lastHitCount (limited to 2..10) and every draw
// of k numbers out of the design numbers 1..wz: the match count of the best row, tallied.
// The tallies equal those of EvaluateHitsPlain for any thread count. Rows are sets of design
// numbers; numbers outside 1..wz never match. A stop request ends the run within a few
// milliseconds: the hit count being counted keeps what was counted (Partial) and the later
// ones are marked Skipped. wz must be 0..255 (std::invalid_argument otherwise).
// Meant to run on a worker thread of its own; it starts its own worker threads.
EvaluationResult EvaluateHits(std::span<const NumberSet> rowSets, int wz, int firstHitCount,
                              int lastHitCount, const EvaluationOptions& options = {},
                              std::stop_token stop = {}, const EvaluationCallbacks& callbacks = {});

// The table of a full system (every rg-subset of 1..wz is a row) without comparing anything:
// for k = 2..rg every draw has a row with all k numbers. A stop request seen before hit count
// k leaves k with its draw count only (DrawCountOnly) and the later ones NotEvaluated.
EvaluationResult EvaluateFullSystem(int wz, int rg, std::stop_token stop = {},
                                    const EvaluationCallbacks& callbacks = {});

}  // namespace kombora
