#include "evaluation/own_system_rows.h"

#include <charconv>
#include <fstream>
#include <iterator>

#include "evaluation/split_text.h"

namespace kombora {
namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

[[noreturn]] void Damaged(MessageId id, std::vector<std::string> args) {
    throw RowsFileError(MessageProblem{id, std::move(args)});
}

}  // namespace

std::string MessageProblem::Text(int32_t language) const {
    if (auto text = MessageText(id, language, args)) return *text;
    if (auto text = MessageText(id, 1, args)) return *text;
    return std::string(LookupMessage(id).key);
}

RowsFileError::RowsFileError(MessageProblem problem)
    : std::runtime_error(problem.Text(1)), problem_(std::move(problem)) {}

std::vector<std::vector<int32_t>> ReadOwnSystemRows(const std::filesystem::path& file,
                                                    const TEigSysteme& record,
                                                    const std::string& fileName) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Damaged(MessageId::GeneralFileReadFailed, {fileName, "it cannot be opened"});
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) Damaged(MessageId::GeneralFileReadFailed, {fileName, "reading it failed"});
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);  // a byte-order mark

    std::vector<std::vector<int32_t>> rows;
    std::size_t lineStart = 0;
    int lineNumber = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos) lineEnd = text.size();
        const std::string_view line =
            Trim(std::string_view(text).substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        ++lineNumber;
        if (line.empty()) continue;

        const std::string lineText = std::to_string(lineNumber);
        std::vector<int32_t> row;
        for (const std::string& part : SplitText(",", line)) {
            const std::string_view field = Trim(part);
            int32_t value = 0;
            const auto [end, error] =
                std::from_chars(field.data(), field.data() + field.size(), value);
            if (field.empty() || error != std::errc() || end != field.data() + field.size()) {
                Damaged(MessageId::OwnSystemsRowsFileNotANumber,
                        {fileName, lineText, std::string(field)});
            }
            if (value < 1 || value > record.WZ) {
                Damaged(MessageId::OwnSystemsRowsFileOutOfRange,
                        {fileName, lineText, std::to_string(value), std::to_string(record.WZ)});
            }
            for (int32_t earlier : row) {
                if (earlier == value) {
                    Damaged(MessageId::OwnSystemsRowsFileRepeated,
                            {fileName, lineText, std::to_string(value)});
                }
            }
            row.push_back(value);
        }
        if (row.size() != record.RG) {
            Damaged(MessageId::OwnSystemsRowsFileWrongCount,
                    {fileName, lineText, std::to_string(row.size()), std::to_string(record.RG)});
        }
        rows.push_back(std::move(row));
    }
    if (rows.size() < record.TR) {
        Damaged(MessageId::OwnSystemsRowsFileTooFewRows,
                {fileName, std::to_string(rows.size()), std::to_string(record.TR)});
    }
    return rows;
}

}  // namespace kombora
