#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "app/context.h"
#include "evaluation/hit_engine.h"
#include "evaluation/own_system_rows.h"

namespace kombora {

// The smallest hit count worth testing: with a lottery of largestNumber numbers of which
// tipSize are drawn, at least wz + tipSize - largestNumber of them fall into a pool of wz.
int32_t FirstHitCount(int32_t wz, int32_t tipSize, int32_t largestNumber);

// Reads the rows file of own system `ownIndex` (an index into context.OwnSystemList) into
// context.rows.OwnSystemRows. Returns false, changing nothing, when the file does not exist
// (or the record names no plain file). A damaged file throws RowsFileError naming the file
// and the line.
bool LoadOwnSystemRows(AppContext& context, int32_t ownIndex);

// What a test of a catalogue system runs on.
struct SystemTestPlan {
    int32_t index = -1;
    TSysteme entry;
    bool fullSystem = false;         // not own, IsFullSystem: the table follows without comparing
    int32_t firstHitCount = 2;       // full systems still show hit counts from 2
    int32_t lastHitCount = 1;        // the row size
    int64_t calculationCount = 0;    // row comparisons from firstHitCount
    int64_t drawTotal = 0;           // draws from firstHitCount (the gauge's maximum)
    std::vector<NumberSet> rowSets;  // one set of design numbers per row
    std::optional<MessageProblem> problem;  // set when the test cannot run
};

// Prepares the test of catalogue entry `index` with the tip-row size and the context's
// largest number. For an own system the rows file is read again (into OwnSystemRows), so
// the rows are always the selected system's. Problems come back in `problem`: no system,
// a missing or damaged rows file, a built-in system without its rows.
SystemTestPlan PlanSystemTest(AppContext& context, int32_t index, int32_t tipSize);

// Runs a plan without a problem: the full-system table or the evaluation of its rows.
EvaluationResult RunSystemTest(const SystemTestPlan& plan, const EvaluationOptions& options = {},
                               std::stop_token stop = {},
                               const EvaluationCallbacks& callbacks = {});

}  // namespace kombora
