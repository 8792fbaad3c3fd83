#pragma once

// Rows as text files: the CSV file of the formed rows and the text of the "Own rows" memo.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

// A grid of texts as the row grid shows it: [row][column], row 0 the headings, column 0 the
// row numbers.
using TextGrid = std::vector<std::vector<std::string>>;

// One CSV field: in double quotes, inner double quotes doubled, when it holds a blank, a comma,
// a double quote or a character below code 32; otherwise as it is (an empty field stays empty).
std::string CsvField(std::string_view field);

// The CSV text of the grid's rows 1..last: the columns 1, 2, ... as long as the column exists
// and its cell in row 1 is not empty, joined by ","; every line ends in CR LF; no headings and
// no row numbers. Empty for a grid without rows.
std::string GridCsvText(const TextGrid& grid);

// SaveGridAsCsv: writes GridCsvText in the ANSI code page through a temporary file that
// replaces `file`. False with `error` set when it could not be written.
bool SaveGridAsCsv(const TextGrid& grid, const std::filesystem::path& file,
                   std::string* error = nullptr);

// Writes the memo's text in the ANSI code page, every line break as CR LF, replacing `file`.
bool SaveMemoText(std::string_view text, const std::filesystem::path& file,
                  std::string* error = nullptr);

// Reads a text file for the memo (byte-order mark, UTF-8 or Windows-1252); line breaks of any
// convention become "\n".
bool LoadMemoText(const std::filesystem::path& file, std::string& text,
                  std::string* error = nullptr);

// The grid of formed rows as the row grid holds it: headings "Reihe" and "  Z. 1" .. in row 0,
// the row numbers in column 0, one number per cell; at least 11 columns.
TextGrid RowsGrid(const std::vector<std::vector<int>>& rows);

}  // namespace kombora
