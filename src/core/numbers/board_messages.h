#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/messages.h"

namespace kombora {

// A message the board, random choice or forming asks the window to show: the message and the
// values for its placeholders %1, %2, ... (already formatted).
struct Notice {
    MessageId id;
    std::vector<std::string> args;

    friend bool operator==(const Notice&, const Notice&) = default;
};

// The text to show for a language; nullopt when that language shows nothing.
inline std::optional<std::string> NoticeText(const Notice& notice, int32_t language) {
    return MessageText(notice.id, language, notice.args);
}

}  // namespace kombora
