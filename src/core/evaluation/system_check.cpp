#include "evaluation/system_check.h"

#include <filesystem>
#include <system_error>

#include "catalogue/builtin_rows.h"
#include "catalogue/own_index.h"
#include "evaluation/draws.h"
#include "io/text_encoding.h"
#include "own/own_rows_file.h"

namespace kombora {

int32_t FirstHitCount(int32_t wz, int32_t tipSize, int32_t largestNumber) {
    const int32_t fewest = wz + tipSize - largestNumber;
    return fewest > 2 ? fewest : 2;
}

bool LoadOwnSystemRows(AppContext& context, int32_t ownIndex) {
    if (ownIndex < 0 || ownIndex >= static_cast<int32_t>(context.OwnSystemList.size())) {
        return false;
    }
    const TEigSysteme& record = context.OwnSystemList[static_cast<std::size_t>(ownIndex)];
    OwnRowsRead read = ReadOwnRowsFile(context.folders.ownSystemsFolder, record.fn,
                                       TSysteme{record.RG, record.WZ, record.GA, record.TR});
    if (read.status == OwnRowsRead::Status::Missing) return false;
    if (!read.ok()) throw RowsFileError(MessageProblem{read.problem->id, read.problem->args});
    context.rows.OwnSystemRows = std::move(read.rows);
    return true;
}

SystemTestPlan PlanSystemTest(AppContext& context, int32_t index, int32_t tipSize) {
    SystemTestPlan plan;
    plan.index = index;
    if (!context.catalogue.Contains(index)) {
        plan.problem = MessageProblem{MessageId::TestNoSystem, {}};
        return plan;
    }
    const TSysteme& entry = context.catalogue[index];
    plan.entry = entry;
    // Own systems are always tested from their rows: a record is no proof that its rows file
    // holds every combination.
    plan.fullSystem = !context.catalogue.IsOwn(index) && IsFullSystem(entry);
    plan.lastHitCount = entry.RG;
    plan.firstHitCount = FirstHitCount(entry.WZ, tipSize, context.LargestNumber);
    plan.calculationCount = CalculationCount(entry.TR, entry.WZ, entry.RG, plan.firstHitCount);
    plan.drawTotal = DrawTotal(entry.WZ, entry.RG, plan.firstHitCount);
    if (plan.fullSystem) {
        plan.firstHitCount = 2;
        return plan;
    }

    if (context.catalogue.IsOwn(index)) {
        const int32_t own = *context.catalogue.OwnSystemIndex(index);
        const std::string& fileName = context.OwnSystemList[static_cast<std::size_t>(own)].fn;
        try {
            if (!LoadOwnSystemRows(context, own)) {
                plan.problem =
                    MessageProblem{MessageId::TestRowsFileNotFound, {QuoteForMessage(fileName)}};
                return plan;
            }
        } catch (const RowsFileError& e) {
            plan.problem = e.problem();
            return plan;
        }
        const auto& rows = context.rows.OwnSystemRows;
        for (std::size_t r = 0; r < entry.TR && r < rows.size(); ++r) {
            NumberSet set;
            for (int32_t number : rows[r]) set.Add(number);
            plan.rowSets.push_back(set);
        }
        return plan;
    }

    // A built-in system: its rows come from the design data.
    if (entry.TR == 0 || BuiltinRows(index).empty() || BuiltinRowCount(index) != entry.TR ||
        BuiltinRows(index).size() != static_cast<std::size_t>(entry.TR) * entry.RG) {
        plan.problem = MessageProblem{MessageId::FormingBuiltinRowsMissing, {}};
        return plan;
    }
    for (int r = 1; r <= entry.TR; ++r) {
        NumberSet set;
        for (int p = 1; p <= entry.RG; ++p) set.Add(DesignNumber(index, r, p));
        plan.rowSets.push_back(set);
    }
    return plan;
}

EvaluationResult RunSystemTest(const SystemTestPlan& plan, const EvaluationOptions& options,
                               std::stop_token stop, const EvaluationCallbacks& callbacks) {
    if (plan.fullSystem) return EvaluateFullSystem(plan.entry.WZ, plan.entry.RG, stop, callbacks);
    return EvaluateHits(plan.rowSets, plan.entry.WZ, plan.firstHitCount, plan.lastHitCount, options,
                        stop, callbacks);
}

}  // namespace kombora
