#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/context.h"
#include "numbers/board_messages.h"

namespace kombora {

// How the rows of a catalogue entry are formed.
enum class EntryKind {
    Full,     // all RG-combinations of the pool, generated
    Builtin,  // the program's design data
    Own,      // the own system's rows file
};

// Own for every own system: an own system is always formed from its rows file, whatever its
// record says about the guarantee (a record is no proof that the file holds all
// combinations). Otherwise full for a full system (IsFullSystem), built-in else.
EntryKind KindOfEntry(const Catalogue& catalogue, int32_t index);

// Copies a text and drops every space that follows a space.
std::string CollapseSpaces(std::string_view text);

// The entry check of forming: the changing numbers match the pool size and the bank numbers
// the tip-row size minus the row size. nullopt when it passes.
std::optional<Notice> FormingEntryCheck(const RowStore& rows, const TSysteme& entry);

// Sorts rows into ascending lexicographic order (a Shell sort, gaps TR/2, TR/4, ..., 1).
void SortGridRows(std::vector<std::vector<int32_t>>& rows);

// What forming or counting gave.
struct FormingResult {
    bool ok = false;
    std::optional<Notice> message;  // to show when !ok
    int32_t rowCount = 0;           // TR of the entry
    // Forming mode: the tip rows in the grid's order (sorted when TipSize is 4..10).
    std::vector<std::vector<int32_t>> gridRows;
};

// Applies the selected system to the chosen numbers (SystemAnwenden). In forming mode
// (`formingMode` true) the result carries the rows for the grid; in statistics mode only the
// row store's TipRows and NumberCounts are rebuilt. Everything is checked before anything
// changes: on failure the row store is as it was.
FormingResult SystemAnwenden(AppContext& context, bool formingMode);

// Colour of a statistics count cell.
enum class CountColour { ButtonFace, Yellow, LimeGreen };

// Lime green when the number stands in every row (count above 1 and equal to the row
// count), yellow when in some, button face when in none.
CountColour CountCellColour(int32_t count, int32_t rowCount);

// Caption of GroupG1: before the first forming, and after forming `rowCount` rows.
inline constexpr const char* kGroupG1InitialCaption = "Number of series";
std::string GroupG1Caption(int32_t rowCount, int32_t language);

}  // namespace kombora
