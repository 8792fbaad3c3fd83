#pragma once

#include <string>

namespace kombora {

// The overview of the built-in designs (docs/designs.md): a summary of how our row counts
// compare with the catalogue table and the best known sizes, then one line per entry.
std::string BuiltinDesignsReport();

}  // namespace kombora
