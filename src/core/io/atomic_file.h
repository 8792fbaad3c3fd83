#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kombora {

// Writes `data` to a temporary file beside `path` and renames it into place, so that a
// failed write leaves the previous file as it was. On failure returns false and, when
// `error` is given, says what went wrong.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error = nullptr);

// Like WriteFileAtomically, but never replaces a file: when `path` exists (also when it
// appears while writing) nothing is changed and the result is false with `exists` set.
bool WriteNewFileAtomically(const std::filesystem::path& path, std::string_view data,
                            bool* exists = nullptr, std::string* error = nullptr);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& data,
                   std::string* error = nullptr);

}  // namespace kombora
