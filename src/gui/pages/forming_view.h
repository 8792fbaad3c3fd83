#pragma once

#include <QWidget>

#include "app/context.h"
#include "numbers/board_messages.h"
#include "services.h"

namespace kombora::gui {

// Shows a message raised by the board, random choice or forming.
void ShowNotice(const Services& services, QWidget* parent, int32_t language, const Notice& notice);

// Applies the selected system (SystemAnwenden) from a page of the main window: in forming
// mode (`formingMode` true) the rows go to the grid g1 with the caption of GroupG1; in both
// modes the counts go to the statistics cells "PNummerWert" + n. The controls are found by
// name in the page's window. Shows the message and returns false when the rows cannot be
// formed; nothing on the screen changes then.
bool SystemAnwendenView(QWidget* page, AppContext& context, const Services& services,
                        bool formingMode);

// The system-test page's LKombiAnz and LBeschreibung2 for the selected system, found by name
// in the page's window.
void UpdateTestPage(QWidget* page, const AppContext& context);

// The statistics colour of a count cell; invalid for the button face.
QColor CountCellFill(int32_t count, int32_t rowCount);

}  // namespace kombora::gui
