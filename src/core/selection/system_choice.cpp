#include "selection/system_choice.h"

#include "numbers/board.h"

namespace kombora {
namespace {

std::string GuaranteeSentence(const TSysteme& system) {
    if (system.GA > 0) return "with " + std::to_string(system.GA) + "er guarantee.";
    return "w/o guarantee.";
}

bool IsPrepared(const AppContext& context) {
    return context.rows.ChangingNeeded > 0 && context.catalogue.Contains(context.SelectedSystem);
}

}  // namespace

std::string SystemDescription(int32_t tipSize, const TSysteme& system) {
    const int32_t bank = tipSize - system.RG;
    std::string bankText;
    if (bank < 0) {
        bankText = "in ";
    } else if (bank == 0) {
        bankText = "w/o bank number in ";
    } else if (bank == 1) {
        bankText = "plus one bank number in ";
    } else {
        bankText = "plus " + std::to_string(bank) + " bank number in ";
    }
    std::string text = "Selected was a system for " + std::to_string(system.WZ) + " numbers " +
                       bankText + std::to_string(system.TR) + " rows " + GuaranteeSentence(system);
    if (system.GA == system.RG) {
        if (bank == 0) {
            text += "\rA classic full system.";
        } else if (bank > 0) {
            text += "\rA \"full system\" on ";
            text += bank == 1 ? std::string("one bank number.")
                              : std::to_string(bank) + " bank numbers.";
        }
    }
    return text;
}

std::string OwnSystemDescription(const TSysteme& system) {
    return "\"Own system\" for " + std::to_string(system.WZ) + " numbers in " +
           std::to_string(system.TR) + " rows \u00e0 " + std::to_string(system.RG) + " numbers " +
           GuaranteeSentence(system);
}

std::string DescribeCatalogueEntry(const Catalogue& catalogue, int32_t tipSize, int32_t index) {
    const TSysteme& system = catalogue.at(index);
    if (index < catalogue.BaseSystemCount()) return SystemDescription(tipSize, system);
    return OwnSystemDescription(system);
}

SystemPreparation GewaehltesSystem(AppContext& context, int32_t index) {
    SystemPreparation result;
    if (!context.catalogue.Contains(index)) return result;
    const TSysteme& system = context.catalogue[index];
    RowStore& rows = context.rows;
    if (rows.TipSize <= 0) rows.TipSize = system.RG;
    if (rows.TipSize < 2) return result;

    result.description = DescribeCatalogueEntry(context.catalogue, rows.TipSize, index);
    rows.BankNeeded = rows.TipSize - system.RG;
    rows.ChangingNeeded = system.WZ;
    result.poolText = std::to_string(rows.ChangingNeeded);
    if (rows.BankNeeded >= 0) result.bankText = std::to_string(rows.BankNeeded);
    BoardClear(rows);
    result.ok = true;
    return result;
}

std::optional<SystemPreparation> KeepSelectionAfterFilter(AppContext& context,
                                                          int32_t previousTipSize) {
    if (!IsPrepared(context)) return std::nullopt;
    RowStore& rows = context.rows;
    if (rows.TipSize == previousTipSize) {
        rows.BankNeeded = rows.TipSize - context.catalogue[context.SelectedSystem].RG;
        return std::nullopt;
    }
    return GewaehltesSystem(context, context.SelectedSystem);
}

}  // namespace kombora
