#include "own/rows_csv.h"

#include <algorithm>

#include "io/atomic_file.h"
#include "io/text_encoding.h"

namespace kombora {

std::string CsvField(std::string_view field) {
    const bool quote = std::any_of(field.begin(), field.end(), [](char c) {
        return c == ' ' || c == ',' || c == '"' || static_cast<unsigned char>(c) < 32;
    });
    if (!quote) return std::string(field);
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string GridCsvText(const TextGrid& grid) {
    if (grid.size() < 2) return {};
    const auto& first = grid[1];
    std::size_t columns = 0;  // columns 1..columns are written
    while (columns + 1 < first.size() && !first[columns + 1].empty()) ++columns;
    std::string out;
    for (std::size_t r = 1; r < grid.size(); ++r) {
        for (std::size_t c = 1; c <= columns; ++c) {
            if (c > 1) out += ',';
            if (c < grid[r].size()) out += CsvField(grid[r][c]);
        }
        out += "\r\n";
    }
    return out;
}

bool SaveGridAsCsv(const TextGrid& grid, const std::filesystem::path& file, std::string* error) {
    return WriteFileAtomically(file, Utf8ToAnsi(GridCsvText(grid)), error);
}

bool SaveMemoText(std::string_view text, const std::filesystem::path& file, std::string* error) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += c;
        }
    }
    return WriteFileAtomically(file, Utf8ToAnsi(out), error);
}

bool LoadMemoText(const std::filesystem::path& file, std::string& text, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes, error)) return false;
    const std::string decoded = DecodeTextFile(bytes);
    text.clear();
    text.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char c = decoded[i];
        if (c == '\r') {
            text += '\n';
            if (i + 1 < decoded.size() && decoded[i + 1] == '\n') ++i;
        } else {
            text += c;
        }
    }
    return true;
}

TextGrid RowsGrid(const std::vector<std::vector<int>>& rows) {
    std::size_t width = 10;
    for (const auto& row : rows) width = std::max(width, row.size());
    TextGrid grid(rows.size() + 1, std::vector<std::string>(width + 1));
    grid[0][0] = "Reihe";
    for (std::size_t c = 1; c <= width; ++c) grid[0][c] = "  Z. " + std::to_string(c);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        grid[r + 1][0] = std::to_string(r + 1);
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            grid[r + 1][c + 1] = std::to_string(rows[r][c]);
        }
    }
    return grid;
}

}  // namespace kombora
