#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kombora {

// Cuts `text` at each occurrence of `separator`, left to right. An empty text gives no parts,
// an empty separator the whole text as one part. With maxParts > 0 the part with that number
// takes the whole rest. A trailing separator adds no empty part; two adjacent separators give
// an empty part between them.
std::vector<std::string> SplitText(std::string_view separator, std::string_view text,
                                   int maxParts = 0);

}  // namespace kombora
