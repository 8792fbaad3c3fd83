#pragma once

#include <cstdint>

#include "app/context.h"
#include "widgets/string_grid.h"

namespace kombora::gui {

// The fixed set-up of the three grids, done once when the main window is created.
// g1, "Lines of numbers": 11 x 31, "Reihe" and "  Z. 1".."  Z. 10".
void G1Fuellen(StringGrid* g1);
// g2, "System test": 12 x 19, the hit counts 2..10 with their percentage rows; the header of
// column 1 follows `language`.
void G2Fuellen(StringGrid* g2, int32_t language);
// g3, "Manage own systems": 11 x 40, "Reihe" and "Z. 1".."Z. 10".
void G3Fuellen(StringGrid* g3);

// Drawing of g1 and g3: a number cell holding one of the chosen bank numbers (read from the
// row store at every repaint) is light green, every other cell white.
void UseRowGridDrawing(StringGrid* grid, const RowStore& rows);
// Drawing of g2: a full percentage "100,00" and a count equal to column 1's are green, the
// percentage rows pale yellow-green, the count rows white.
void UseHitGridDrawing(StringGrid* grid);

}  // namespace kombora::gui
