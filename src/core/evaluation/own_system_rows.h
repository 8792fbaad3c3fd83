#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/messages.h"

namespace kombora {

// A message to show, with its placeholder values.
struct MessageProblem {
    MessageId id;
    std::vector<std::string> args;

    std::string Text(int32_t language) const;  // the text for the language (English fallback)
};

// A rows file that cannot be used (see own/own_rows_file.h): which file, where and why.
class RowsFileError : public std::runtime_error {
  public:
    explicit RowsFileError(MessageProblem problem);
    const MessageProblem& problem() const { return problem_; }

  private:
    MessageProblem problem_;
};

}  // namespace kombora
