#pragma once

#include <array>

#include "catalogue/builtin_table.h"

namespace kombora {

// The built-in systems as the catalogue holds them: the table's parameters with the row
// count of the design data compiled into the program.
const std::array<TSysteme, kBuiltinCount>& BuiltinDesigns();

}  // namespace kombora
