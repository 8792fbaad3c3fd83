#pragma once

// Reading the first worksheet of a spreadsheet file: Excel workbooks (.xlsx, and .xls of
// Excel 97 to 2003) and Calc spreadsheets (.ods). The format is taken from the file's content,
// not from its name.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

enum class SheetFormat { Unknown, Xlsx, Ods, Xls };

struct SheetRead {
    enum class Failure {
        None,
        Unreadable,  // damaged, encrypted, or not a spreadsheet of a known kind
        TooLarge,    // more cells than the text field can sensibly hold
    };
    Failure failure = Failure::Unreadable;
    bool ok() const { return failure == Failure::None; }

    SheetFormat format = SheetFormat::Unknown;
    // The cells from A1 to the last row and the last column that hold a value, each as text:
    // an empty cell gives an empty text, a whole number its decimal digits, a text its
    // characters without leading no-break spaces and with line breaks turned into blanks.
    std::vector<std::vector<std::string>> cells;
};

// Cells beyond this count (last row times last column) are refused as TooLarge.
inline constexpr int64_t kMaxSheetCells = 2'000'000;

// Reads the first worksheet of the file.
SheetRead ReadFirstSheet(const std::filesystem::path& file);

// Reads the first worksheet from the file's bytes (.xls bytes go through a temporary file).
SheetRead ReadFirstSheetFromBytes(std::string_view bytes);

// The kind of spreadsheet the bytes hold, by their content.
SheetFormat DetectSheetFormat(std::string_view bytes);

// The worksheet as the memo receives it: one line per row, the cells joined by ",", the
// lines joined by "\n"; empty for an empty sheet.
std::string SheetMemoText(const SheetRead& sheet);

// A number as the spreadsheet shows it in general format: whole numbers as their digits,
// others in the shortest form that reads back as the same value.
std::string NumberText(double value);

}  // namespace kombora
