#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/records.h"

namespace kombora {

// What loading the own-systems index found.
struct OwnIndexLoad {
    std::vector<TEigSysteme> systems;  // every whole record, in file order
    bool fileExists = false;
    bool readFailed = false;        // the file exists but could not be read
    std::size_t trailingBytes = 0;  // bytes of a partial record at the end, ignored
};

// Reads the index record by record. A missing file gives an empty list; a file that cannot
// be read, or that ends in a partial record, keeps every whole record read before.
OwnIndexLoad LoadOwnSystemIndex(const std::filesystem::path& indexFile);

// Writes every record through a temporary file renamed into place.
bool SaveOwnSystemIndex(const std::filesystem::path& indexFile,
                        const std::vector<TEigSysteme>& systems, std::string* error = nullptr);

// True for a name that stands for a file directly inside the own-systems folder: not empty,
// no path separator or drive, not "." or "..".
bool IsPlainFileName(const std::string& name);

}  // namespace kombora
