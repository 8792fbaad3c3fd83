#pragma once

#include <QStringList>
#include <cstdint>

#include "services.h"

class QWidget;

namespace kombora::gui {

// The calculator programs looked for on the search path, in this order.
QStringList CalculatorCandidates();

// Starts the desktop's calculator program. When none is found, a message says so.
bool StartCalculator(const Services& services, QWidget* parent, int32_t language);

}  // namespace kombora::gui
