#pragma once

// Rows as spreadsheet workbooks (.xlsx): the export of the row grid and of the own rows.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "own/rows_csv.h"

namespace kombora {

// One cell of a worksheet: empty, a text or a number.
struct WorkbookCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0;

    static WorkbookCell Text(std::string t) { return {Kind::Text, std::move(t), 0}; }
    static WorkbookCell Number(double n) { return {Kind::Number, {}, n}; }
};

struct WorkbookSheet {
    std::string name;
    std::vector<std::vector<WorkbookCell>> cells;  // [row][column] from A1
    // Width of each column in characters; 0 leaves the spreadsheet's standard width.
    std::vector<double> columnWidths;
};

// The cell address in letter-number notation: row 1, column 1 is "A1"; columns 27..52 are
// "AA".."AZ", up to 16384 ("XFD"). Empty for a row or column below 1.
std::string ExcelCellName(int32_t row, int32_t column);

// The worksheet of the grid export: the grid's rows 0..last (with headings) or 1..last
// (without), columns 0..lastColumn or 1..lastColumn, each cell a text with one no-break space
// in front, so that the spreadsheet keeps it as text. Every column that holds text is as wide
// as its widest text.
WorkbookSheet GridWorksheet(const TextGrid& grid, const std::string& sheetName, int32_t lastColumn,
                            bool withHeadings);

// The worksheet of the own-rows export: one row per line from A1, the numbers as numbers, no
// headings.
WorkbookSheet OwnRowsWorksheet(const std::vector<std::vector<uint8_t>>& rows,
                               const std::string& sheetName);

// A sheet name the spreadsheet accepts: the characters []:*?/\ become '_', at most 31
// characters, "Sheet1" for an empty name.
std::string ValidSheetName(const std::string& name);

// Writes a workbook of one worksheet. With `replace` an existing file is replaced as a whole
// (temporary file and rename); without it an existing file is never touched and the result
// is false with `exists` set. False with `error` set when the file could not be written.
struct WorkbookWrite {
    bool ok = false;
    bool exists = false;
    std::string error;
};
WorkbookWrite WriteWorkbook(const std::filesystem::path& file, const WorkbookSheet& sheet,
                            bool replace);

// Writes the workbook into `folder` under "<stem> <stamp>.xlsx", or "<stem> <stamp> (2).xlsx"
// and so on when that name is taken; never overwrites a file. The path written, or nullopt
// with `error` set.
std::optional<std::filesystem::path> WriteNewWorkbook(const std::filesystem::path& folder,
                                                      const std::string& stem,
                                                      const std::string& stamp,
                                                      const WorkbookSheet& sheet,
                                                      std::string* error = nullptr);

}  // namespace kombora
