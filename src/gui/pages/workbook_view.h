#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "own/workbook_export.h"
#include "services.h"

class QWidget;

namespace kombora::gui {

// Writes `sheet` as a new workbook into the user's documents folder, named `stem` and the
// date and time ("Tippreihen 2026-05-04 18-30-12.xlsx"; an existing file is never replaced),
// and opens it in the desktop's spreadsheet program. Without such a program the "not
// installed" message is shown and nothing is written. False when nothing was written.
bool ExportWorkbook(const Services& services, QWidget* parent, int32_t language,
                    const WorkbookSheet& sheet, const std::string& stem);

}  // namespace kombora::gui
