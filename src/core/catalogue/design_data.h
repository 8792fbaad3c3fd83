#pragma once

#include <optional>
#include <string_view>

namespace kombora {

// How the rows of built-in entry `index` were made, as the design data records it.
std::string_view BuiltinDesignMethod(int index);

// The smallest covering design C(v, k, t) known when the design data was compiled (every
// t-subset of 1..v inside some k-row), where the data lists one.
std::optional<int> BestKnownCoveringSize(int v, int k, int t);

}  // namespace kombora
