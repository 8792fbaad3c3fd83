#include "own/workbook_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <system_error>

#include "io/atomic_file.h"
#include "io/text_encoding.h"

namespace kombora {

namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Column widths that show every text of a column whole.
std::vector<double> FittingWidths(const std::vector<std::vector<WorkbookCell>>& cells) {
    std::vector<double> widths;
    for (const auto& row : cells) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (row[c].kind != WorkbookCell::Kind::Text) continue;
            const double w = static_cast<double>(CharacterCount(row[c].text)) + 1.0;
            widths[c] = std::max(widths[c], w);
        }
    }
    return widths;
}

// A file name in the system's temporary folder for libxlsxwriter to write to.
std::filesystem::path ScratchFile() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path() / ("kombora-workbook-" + std::to_string(stamp) +
                                                     "-" + std::to_string(counter++) + ".xlsx");
}

// The workbook's bytes, or nullopt with `error` set.
std::optional<std::string> WorkbookBytes(const WorkbookSheet& sheet, std::string& error) {
    std::filesystem::path scratch;
    try {
        scratch = ScratchFile();
    } catch (const std::exception& e) {
        error = e.what();
        return std::nullopt;
    }
    const std::string scratchName = PathToUtf8(scratch);
    lxw_workbook* workbook = workbook_new(scratchName.c_str());
    if (!workbook) {
        error = "cannot create a workbook";
        return std::nullopt;
    }
    const std::string name = ValidSheetName(sheet.name);
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, name.c_str());
    lxw_error failure = worksheet ? LXW_NO_ERROR : LXW_ERROR_SHEETNAME_ALREADY_USED;
    for (std::size_t r = 0; worksheet && r < sheet.cells.size() && failure == LXW_NO_ERROR; ++r) {
        const auto& row = sheet.cells[r];
        for (std::size_t c = 0; c < row.size() && failure == LXW_NO_ERROR; ++c) {
            const auto rr = static_cast<lxw_row_t>(r);
            const auto cc = static_cast<lxw_col_t>(c);
            if (row[c].kind == WorkbookCell::Kind::Text) {
                failure = worksheet_write_string(worksheet, rr, cc, row[c].text.c_str(), nullptr);
            } else if (row[c].kind == WorkbookCell::Kind::Number) {
                failure = worksheet_write_number(worksheet, rr, cc, row[c].number, nullptr);
            }
        }
    }
    for (std::size_t c = 0; worksheet && c < sheet.columnWidths.size(); ++c) {
        if (sheet.columnWidths[c] <= 0) continue;
        const auto cc = static_cast<lxw_col_t>(c);
        worksheet_set_column(worksheet, cc, cc, sheet.columnWidths[c], nullptr);
    }
    const lxw_error closed = workbook_close(workbook);
    if (failure == LXW_NO_ERROR) failure = closed;
    std::string bytes;
    std::string readError;
    const bool read = failure == LXW_NO_ERROR && ReadWholeFile(scratch, bytes, &readError);
    std::error_code ignored;
    std::filesystem::remove(scratch, ignored);
    if (failure != LXW_NO_ERROR) {
        error = lxw_strerror(failure);
        return std::nullopt;
    }
    if (!read) {
        error = readError;
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::string ExcelCellName(int32_t row, int32_t column) {
    if (row < 1 || column < 1) return {};
    std::string letters;
    for (int32_t c = column; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return letters + std::to_string(row);
}

WorkbookSheet GridWorksheet(const TextGrid& grid, const std::string& sheetName, int32_t lastColumn,
                            bool withHeadings) {
    WorkbookSheet sheet;
    sheet.name = sheetName;
    const std::size_t s = withHeadings ? 0 : 1;
    for (std::size_t r = s; r < grid.size(); ++r) {
        std::vector<WorkbookCell> row;
        for (std::size_t c = s; c <= static_cast<std::size_t>(std::max(lastColumn, 0)); ++c) {
            const std::string& text = c < grid[r].size() ? grid[r][c] : std::string{};
            row.push_back(WorkbookCell::Text(std::string(kNoBreakSpace) + text));
        }
        sheet.cells.push_back(std::move(row));
    }
    sheet.columnWidths = FittingWidths(sheet.cells);
    return sheet;
}

WorkbookSheet OwnRowsWorksheet(const std::vector<std::vector<uint8_t>>& rows,
                               const std::string& sheetName) {
    WorkbookSheet sheet;
    sheet.name = sheetName;
    for (const auto& row : rows) {
        std::vector<WorkbookCell> cells;
        for (const uint8_t n : row) cells.push_back(WorkbookCell::Number(n));
        sheet.cells.push_back(std::move(cells));
    }
    return sheet;
}

std::string ValidSheetName(const std::string& name) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < name.size() && chars < 31;) {
        std::size_t len = 1;
        while (i + len < name.size() && (static_cast<unsigned char>(name[i + len]) & 0xC0) == 0x80)
            ++len;
        const char c = name[i];
        if (len == 1 && std::string_view("[]:*?/\\").find(c) != std::string_view::npos) {
            out += '_';
        } else {
            out += name.substr(i, len);
        }
        i += len;
        ++chars;
    }
    // A leading or trailing apostrophe is refused too.
    if (!out.empty() && out.front() == '\'') out.front() = '_';
    if (!out.empty() && out.back() == '\'') out.back() = '_';
    return out.empty() ? std::string("Sheet1") : out;
}

WorkbookWrite WriteWorkbook(const std::filesystem::path& file, const WorkbookSheet& sheet,
                            bool replace) {
    WorkbookWrite result;
    const std::optional<std::string> bytes = WorkbookBytes(sheet, result.error);
    if (!bytes) return result;
    if (replace) {
        result.ok = WriteFileAtomically(file, *bytes, &result.error);
    } else {
        result.ok = WriteNewFileAtomically(file, *bytes, &result.exists, &result.error);
    }
    return result;
}

std::optional<std::filesystem::path> WriteNewWorkbook(const std::filesystem::path& folder,
                                                      const std::string& stem,
                                                      const std::string& stamp,
                                                      const WorkbookSheet& sheet,
                                                      std::string* error) {
    std::string lastError;
    for (int n = 1; n <= 1000; ++n) {
        std::string name = stem + " " + stamp;
        if (n > 1) name += " (" + std::to_string(n) + ")";
        const std::filesystem::path file = folder / PathFromUtf8(name + ".xlsx");
        const WorkbookWrite written = WriteWorkbook(file, sheet, false);
        if (written.ok) return file;
        lastError = written.error;
        if (!written.exists) break;
    }
    if (error) *error = lastError;
    return std::nullopt;
}

}  // namespace kombora
