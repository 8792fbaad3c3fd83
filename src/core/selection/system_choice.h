#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/context.h"
#include "catalogue/records.h"

namespace kombora {

// The description of a built-in or full system applied with tip-row size `tipSize`, e.g.
// "Selected was a system for 11 numbers plus 2 bank number in 47 rows with 3er guarantee.";
// a full system gets a second line after a carriage return ("A classic full system." or
// "A \"full system\" on 2 bank numbers.").
std::string SystemDescription(int32_t tipSize, const TSysteme& system);

// The description of an own system, e.g.
// "\"Own system\" for 12 numbers in 20 rows à 5 numbers with 3er guarantee." (UTF-8).
std::string OwnSystemDescription(const TSysteme& system);

// The description the program shows for catalogue entry `index`: SystemDescription for the
// built-in and full systems, OwnSystemDescription for the own systems.
std::string DescribeCatalogueEntry(const Catalogue& catalogue, int32_t tipSize, int32_t index);

// What choosing a system shows on the "Choice of numbers" page.
struct SystemPreparation {
    bool ok = false;
    std::string description;              // LBeschreibung, lines separated by "\r"
    std::string poolText;                 // PPool: the changing numbers needed
    std::optional<std::string> bankText;  // PBZ: the bank numbers needed; nullopt keeps it
};

// Prepares catalogue entry `index` for use (callers set SelectedSystem to it first): takes
// the entry's row size as TipSize when no filter has run, works out the changing and bank
// numbers it needs, describes it and clears the board's choice (BoardClear). Fails, changing
// nothing else, when the tip-row size is below 2 (show MessageId::SelectionSystemIncomplete)
// or the index names no entry.
SystemPreparation GewaehltesSystem(AppContext& context, int32_t index);

// What a filter run means for a system chosen before it. The filter writes its tip-row size
// and a provisional bank-number count into the row store; when a system is chosen:
//  - with the tip-row size unchanged, the chosen system and the numbers on the board stay,
//    and the bank-number count goes back to what that system needs;
//  - with another tip-row size, the chosen system is prepared again for it (new description
//    and counts, empty board), so that the board and forming the rows ask for the same.
// Returns the new preparation in the second case, nullopt otherwise. `previousTipSize` is
// TipSize as it was before the filter run.
std::optional<SystemPreparation> KeepSelectionAfterFilter(AppContext& context,
                                                          int32_t previousTipSize);

}  // namespace kombora
