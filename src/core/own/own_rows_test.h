#pragma once

// The own-rows test: the user's own rows seen as a system. The bank numbers (numbers that
// stand in every row) are left out, the remaining numbers are renumbered to the design
// numbers 1..WZ by rank, the hit evaluation runs on them and the guarantee the rows give is
// read off its table. The steps are split so that a window can run the evaluation off its
// own thread: PrepareOwnRowsTest, RunOwnRowsTest, FinishOwnRowsTest.

#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "evaluation/hit_engine.h"
#include "evaluation/own_system_rows.h"
#include "own/comparable_systems.h"
#include "rows/row_store.h"

namespace kombora {

// Row sizes above this (bank numbers left out) have no place in the hit table.
inline constexpr int32_t kOwnTestMaxRowSize = kMaxHitCount;

// What the last own-rows test left; kept until the next test.
struct OwnTestState {
    bool OwnRowsUnfit = false;     // the last test refused the rows
    int32_t OwnDesignRowSize = 0;  // RG of the rows seen as a system
    int32_t OwnGuarantee = 0;      // 0 = none
    // The last test ran to its end without a stop and the rows have not changed since.
    // Whoever changes the own rows clears it (together with OwnRowsReady).
    bool OwnRowsTested = false;
    // The comparable systems of the last completed test, index and text line for line.
    ComparableList comparable;
};

// The own rows seen as a system, ready for the evaluation.
struct OwnRowsTestPlan {
    int32_t rowSize = 0;   // RG: numbers per row without the bank numbers
    int32_t poolSize = 0;  // WZ: changing numbers
    int32_t rowCount = 0;  // TR
    NumberSet bankSet;     // the numbers in every row
    int32_t bankCount = 0;
    int32_t firstHitCount = 2;
    int64_t calculationCount = 0;           // row comparisons, for "Calculations:"
    int64_t drawTotal = 0;                  // draws, the gauge's maximum
    std::vector<NumberSet> rowSets;         // one set of design numbers per row
    std::optional<MessageProblem> problem;  // set when the rows are unfit for a test
};

// Prepares the test of the parsed own rows in `rows` (OwnRows, OwnRowCount, OwnRowSize,
// OwnPool, OwnPoolSize). Fills OwnNumberCounts, OwnBankSet and OwnBankCount (the number
// distribution, Verteilungermitteln), removes the bank
// numbers from OwnPool and builds OwnRowSets anew. Rows with fewer than 3 changing numbers,
// fewer than 3 rows, fewer than 2 or more than 10 numbers per row after removing the bank
// numbers are unfit: `problem` holds the unfit message and state.OwnRowsUnfit is set.
// Otherwise state.OwnDesignRowSize is set and OwnGuarantee cleared.
OwnRowsTestPlan PrepareOwnRowsTest(RowStore& rows, int32_t largestNumber, OwnTestState& state);

// The evaluation of a prepared plan without a problem. May run on a worker thread.
EvaluationResult RunOwnRowsTest(const OwnRowsTestPlan& plan, const EvaluationOptions& options = {},
                                std::stop_token stop = {},
                                const EvaluationCallbacks& callbacks = {});

// The largest hit count k of the run for which every one of the C(WZ, k) draws has a row
// with all k numbers; 0 when there is none. Only hit counts counted to the end take part.
int32_t OwnGuarantee(const EvaluationResult& result);

// What the page shows after a test.
struct OwnRowsTestOutcome {
    bool stopped = false;
    int32_t guarantee = 0;
    std::string guaranteeText;  // PGarantie: the guarantee, "-" without one, "?" when stopped
    std::string description;    // LBeschreibung2; empty when stopped (the label keeps its text)
};

// Ends a test: a completed run sets OwnGuarantee, looks for comparable built-in and full
// systems (into state.comparable) and describes the rows; OwnRowsTested := not stopped.
// A stopped run leaves the guarantee shown as "?" and the comparison as it was.
OwnRowsTestOutcome FinishOwnRowsTest(const OwnRowsTestPlan& plan, const EvaluationResult& result,
                                     const Catalogue& catalogue, OwnTestState& state);

}  // namespace kombora
