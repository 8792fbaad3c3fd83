#pragma once

#include <QColor>
#include <QWidget>

#include "app_state.h"
#include "numbers/board_messages.h"
#include "services.h"

namespace kombora::gui {

// Shows a message raised by the board, random choice or forming.
void ShowNotice(const Services& services, QWidget* parent, int32_t language, const Notice& notice);

// Applies the selected system (SystemAnwenden) for a command on a page: in forming mode
// (`formingMode` true) the tip rows are formed, otherwise only counted. On success the state
// announces rowsFormed and the pages that show rows or counts update themselves. Shows the
// message (over `parent`) and returns false when the rows cannot be formed; nothing changes then.
bool FormRows(AppState& state, const Services& services, QWidget* parent, bool formingMode);

// The statistics colour of a count cell; invalid for the button face.
QColor CountCellFill(int32_t count, int32_t rowCount);

}  // namespace kombora::gui
