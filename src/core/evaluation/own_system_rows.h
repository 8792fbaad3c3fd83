#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/messages.h"
#include "catalogue/records.h"

namespace kombora {

// A message to show, with its placeholder values.
struct MessageProblem {
    MessageId id;
    std::vector<std::string> args;

    std::string Text(int32_t language) const;  // the text for the language (English fallback)
};

// A rows file that cannot be used: which file, where and why.
class RowsFileError : public std::runtime_error {
  public:
    explicit RowsFileError(MessageProblem problem);
    const MessageProblem& problem() const { return problem_; }

  private:
    MessageProblem problem_;
};

// Reads an own system's rows file: one row per line, its design numbers separated by commas
// (blanks around a number are allowed; blank lines are skipped). The rows must fit the record:
// at least TR rows, RG numbers per row, each from 1 to WZ and none twice. `fileName` names the
// file in messages. Throws RowsFileError for a damaged file; the caller has checked that the
// file exists.
std::vector<std::vector<int32_t>> ReadOwnSystemRows(const std::filesystem::path& file,
                                                    const TEigSysteme& record,
                                                    const std::string& fileName);

}  // namespace kombora
