#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "combinatorics.h"

namespace designgen {

// One design file of data/designs/rows/: the entry line, the method line, one row a line.
struct DesignFile {
    int entry = -1;
    int rg = 0;
    int wz = 0;
    int ga = 0;
    std::string method;
    std::vector<Mask> rows;
};

std::filesystem::path DesignPath(const std::filesystem::path& dataDir, int entry);

// Reads and checks the form of a design file (not its guarantees); nullopt with `error`
// naming the file and line when it is malformed or missing.
std::optional<DesignFile> ReadDesign(const std::filesystem::path& path, std::string* error);

std::string FormatDesign(const DesignFile& design);

// Writes the design through a temporary file; false with `error` on failure.
bool WriteDesign(const std::filesystem::path& dataDir, const DesignFile& design,
                 std::string* error);

// Reads rows of blocks (numbers 1..v separated by blanks or commas, '#' comments) from text.
std::optional<std::vector<Mask>> ParseBlocks(const std::string& text, int v, int k,
                                             std::string* error);

// Rows in ascending order, each row's numbers ascending.
std::vector<Mask> Canonical(std::vector<Mask> rows);

std::string FormatRow(Mask row);

}  // namespace designgen
