#include "own/own_rows_file.h"

#include "catalogue/own_index.h"
#include "io/checked_read.h"
#include "io/text_encoding.h"

namespace kombora {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

OwnRowsRead Refuse(MessageId id, std::vector<std::string> args) {
    OwnRowsRead read;
    read.status = OwnRowsRead::Status::Refused;
    read.problem = Notice{id, std::move(args)};
    return read;
}

// The value of an item of digits only, or -1; values above 999 all read as 1000.
int ItemValue(std::string_view item) {
    if (item.empty()) return -1;
    int value = 0;
    for (const char c : item) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
        if (value > 999) value = 1000;
    }
    return value;
}

}  // namespace

std::uintmax_t OwnRowsFileSizeLimit(const TSysteme& shape) {
    // Per row: RG numbers of three digits with a comma and four blanks each, a line end, and
    // room for a skipped line; then some room for a byte-order mark and trailing lines.
    const std::uintmax_t perRow = std::uintmax_t{shape.RG} * 8 + 16;
    return (std::uintmax_t{shape.TR} + 1) * perRow + 4096;
}

OwnRowsRead ParseOwnRowsText(std::string_view bytes, const TSysteme& shape,
                             std::string_view fileName) {
    const std::string name = QuoteForMessage(fileName);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);

    OwnRowsRead read;
    std::size_t pos = 0;
    int lineNumber = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = TrimBlanks(bytes.substr(pos, end - pos));
        pos = end;
        if (pos < bytes.size()) {
            pos += (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') ? 2 : 1;
        }
        ++lineNumber;
        if (line.empty() || line == "\"\"") continue;

        const std::string where = std::to_string(lineNumber);
        if (read.rows.size() == shape.TR) {
            return Refuse(MessageId::OwnSystemsRowsFileTooManyRows,
                          {name, where, std::to_string(shape.TR), QuoteForMessage(line)});
        }
        std::vector<int32_t> row;
        std::size_t items = 0;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            const std::string_view item = TrimBlanks(
                line.substr(start, comma == std::string_view::npos ? comma : comma - start));
            ++items;
            const int value = ItemValue(item);
            if (value < 0) {
                return Refuse(MessageId::OwnSystemsRowsFileNotANumber,
                              {name, where, QuoteForMessage(item)});
            }
            if (value < 1 || value > shape.WZ) {
                return Refuse(MessageId::OwnSystemsRowsFileOutOfRange,
                              {name, where, QuoteForMessage(item), std::to_string(shape.WZ)});
            }
            for (const int32_t earlier : row) {
                if (earlier == value) {
                    return Refuse(MessageId::OwnSystemsRowsFileRepeated,
                                  {name, where, std::to_string(value)});
                }
            }
            if (row.size() < shape.RG) row.push_back(value);
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        if (items != shape.RG) {
            return Refuse(MessageId::OwnSystemsRowsFileWrongCount,
                          {name, where, std::to_string(items), std::to_string(shape.RG)});
        }
        read.rows.push_back(std::move(row));
    }
    if (read.rows.size() != shape.TR) {
        return Refuse(MessageId::OwnSystemsRowsFileTooFewRows,
                      {name, std::to_string(read.rows.size()), std::to_string(shape.TR)});
    }
    read.status = OwnRowsRead::Status::Read;
    return read;
}

OwnRowsRead ReadOwnRowsFile(const std::filesystem::path& ownSystemsFolder, std::string_view fn,
                            const TSysteme& shape) {
    if (!IsPlainFileName(std::string(fn))) return OwnRowsRead{};
    const std::uintmax_t limit = OwnRowsFileSizeLimit(shape);
    const CheckedRead file =
        ReadCheckedFile(ownSystemsFolder / PathFromUtf8(fn), limit, ownSystemsFolder);
    const std::string name = QuoteForMessage(fn);
    switch (file.refusal) {
        case ReadRefusal::None:
            return ParseOwnRowsText(file.data, shape, fn);
        case ReadRefusal::Missing:
            return OwnRowsRead{};
        case ReadRefusal::NotRegular:
            return Refuse(MessageId::GeneralFileNotRegular, {name});
        case ReadRefusal::OutsideFolder:
            return Refuse(MessageId::GeneralFileOutsideFolder, {name});
        case ReadRefusal::TooLarge:
            return Refuse(MessageId::GeneralFileTooLarge, {name, std::to_string(limit)});
        case ReadRefusal::Unreadable:
            break;
    }
    return Refuse(MessageId::GeneralFileReadFailed, {name, RefusalReason(file, limit)});
}

}  // namespace kombora
