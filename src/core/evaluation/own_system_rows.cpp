#include "evaluation/own_system_rows.h"

namespace kombora {

std::string MessageProblem::Text(int32_t language) const {
    if (auto text = MessageText(id, language, args)) return *text;
    if (auto text = MessageText(id, 1, args)) return *text;
    return std::string(LookupMessage(id).key);
}

RowsFileError::RowsFileError(MessageProblem problem)
    : std::runtime_error(problem.Text(1)), problem_(std::move(problem)) {}

}  // namespace kombora
