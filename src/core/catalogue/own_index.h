#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"
#include "io/checked_read.h"

namespace kombora {

// The most records an index file may hold: a record's row count is 16 bits wide, and no one
// keeps more own systems than rows in one of them. Larger files are refused unread.
inline constexpr std::size_t kOwnIndexMaxRecords = 65535;

// What loading the own-systems index found.
struct OwnIndexLoad {
    std::vector<TEigSysteme> systems;  // every whole record, in file order
    bool fileExists = false;
    bool readFailed = false;                  // the file exists but was not read (see refusal)
    ReadRefusal refusal = ReadRefusal::None;  // why it was not read
    std::size_t trailingBytes = 0;            // bytes of a partial record at the end, ignored
};

// The records of an index file's bytes; a partial record at the end is counted, not read.
OwnIndexLoad ParseOwnSystemIndex(std::string_view bytes);

// Reads the index. Only a regular file inside `folder` (when given) of at most
// kOwnIndexMaxRecords records is read; anything else is refused unread (readFailed), a
// missing file gives an empty list.
OwnIndexLoad LoadOwnSystemIndex(const std::filesystem::path& indexFile,
                                const std::filesystem::path& folder = {});

// Writes every record through a temporary file renamed into place.
bool SaveOwnSystemIndex(const std::filesystem::path& indexFile,
                        const std::vector<TEigSysteme>& systems, std::string* error = nullptr);

// True for a name that stands for a file directly inside the own-systems folder: not empty,
// no path separator or drive, not "." or "..".
bool IsPlainFileName(const std::string& name);

}  // namespace kombora
