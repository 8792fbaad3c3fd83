#include "evaluation/split_text.h"

namespace kombora {

std::vector<std::string> SplitText(std::string_view separator, std::string_view text,
                                   int maxParts) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    if (separator.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        if (maxParts > 0 && static_cast<int>(parts.size()) + 1 == maxParts) {
            parts.emplace_back(rest);
            break;
        }
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) {
            parts.emplace_back(rest);
            break;
        }
        parts.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + separator.size());
    }
    return parts;
}

}  // namespace kombora
