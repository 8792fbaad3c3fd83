#include "own/own_rows_test.h"

#include <algorithm>
#include <array>

#include "catalogue/binomial.h"
#include "evaluation/distribution.h"
#include "evaluation/draws.h"

namespace kombora {

OwnRowsTestPlan PrepareOwnRowsTest(RowStore& rows, int32_t largestNumber, OwnTestState& state) {
    OwnRowsTestPlan plan;

    // The number distribution, without showing it: counts and bank numbers.
    Verteilungermitteln(rows);

    plan.bankSet = rows.OwnBankSet;
    plan.bankCount = rows.OwnBankCount;
    plan.rowSize = rows.OwnRowSize - rows.OwnBankCount;
    plan.poolSize = rows.OwnPoolSize - rows.OwnBankCount;
    plan.rowCount = rows.OwnRowCount;
    rows.OwnPool -= rows.OwnBankSet;

    state.OwnRowsUnfit = rows.OwnPool.Count() < 3 || plan.rowCount < 3 || plan.rowSize < 2 ||
                         plan.rowSize > kOwnTestMaxRowSize;
    if (state.OwnRowsUnfit) {
        plan.problem = MessageProblem{MessageId::TestOwnRowsUnfit, {}};
        return plan;
    }
    state.OwnDesignRowSize = plan.rowSize;
    state.OwnGuarantee = 0;
    // Hit counts below RG + WZ - largest number cannot occur in a draw.
    plan.firstHitCount = std::max(2, plan.rowSize + plan.poolSize - largestNumber);
    plan.calculationCount =
        CalculationCount(plan.rowCount, plan.poolSize, plan.rowSize, plan.firstHitCount);
    plan.drawTotal = DrawTotal(plan.poolSize, plan.rowSize, plan.firstHitCount);

    // Design numbers: each changing number's rank among all changing numbers.
    std::array<int, 256> rank{};
    int next = 0;
    for (int n : rows.OwnPool.Members()) rank[static_cast<std::size_t>(n)] = ++next;
    rows.OwnRowSets.assign(static_cast<std::size_t>(plan.rowCount), NumberSet{});
    for (std::size_t i = 0; i < rows.OwnRowSets.size() && i < rows.OwnRows.size(); ++i) {
        for (uint8_t n : rows.OwnRows[i]) {
            if (rows.OwnPool.Contains(n)) rows.OwnRowSets[i].Add(rank[n]);
        }
    }
    plan.rowSets = rows.OwnRowSets;
    return plan;
}

namespace {

// PGarantie: "?" after a stop, "-" without a guarantee, the guarantee otherwise.
std::string GuaranteeText(bool stopped, int32_t guarantee) {
    if (stopped) return "?";
    if (guarantee > 1) return std::to_string(guarantee);
    return "-";
}

}  // namespace

EvaluationResult RunOwnRowsTest(const OwnRowsTestPlan& plan, const EvaluationOptions& options,
                                std::stop_token stop, const EvaluationCallbacks& callbacks) {
    return EvaluateHits(plan.rowSets, plan.poolSize, plan.firstHitCount, plan.rowSize, options,
                        stop, callbacks);
}

int32_t OwnGuarantee(const EvaluationResult& result) {
    int32_t guarantee = 0;
    for (int k = result.firstHitCount; k <= result.lastHitCount; ++k) {
        if (result.StateOf(k) != HitCountState::Complete) continue;
        if (result.tally(k, k) == Binomial(result.wz, k)) guarantee = k;
    }
    return guarantee;
}

OwnRowsTestOutcome FinishOwnRowsTest(const OwnRowsTestPlan& plan, const EvaluationResult& result,
                                     const Catalogue& catalogue, OwnTestState& state) {
    OwnRowsTestOutcome outcome;
    outcome.stopped = result.stopped;
    // Hit counts finished before a stop still give what they guarantee.
    state.OwnGuarantee = OwnGuarantee(result);
    outcome.guarantee = state.OwnGuarantee;
    state.OwnRowsTested = !result.stopped;
    outcome.guaranteeText = GuaranteeText(result.stopped, state.OwnGuarantee);
    if (result.stopped) return outcome;
    if (auto found = FindComparableSystems(catalogue, plan.rowSize, plan.poolSize,
                                           state.OwnGuarantee, plan.rowCount)) {
        state.comparable = std::move(*found);
    }
    outcome.description =
        TestedRowsDescription(plan.poolSize, plan.rowCount, plan.rowSize, state.OwnGuarantee);
    return outcome;
}

}  // namespace kombora
