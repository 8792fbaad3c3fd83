#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kombora {

// Writes `data` to `path` so that the file holds either its old or its new content whatever
// happens meanwhile (a full disk, a kill, a power cut):
//  1. the data go to a new temporary file beside `path`, named
//     `path` + ".kombora-tmp-" + process id + "-" + a counter;
//  2. the temporary file is flushed to the disk (fsync) and closed, and a failure of either
//     fails the write;
//  3. it is renamed onto `path`, and the folder is flushed so that the rename persists.
// On failure the temporary file is removed, the old file stays, and the function returns
// false saying in `error` (when given) what went wrong. Temporary files of `path` that a
// killed run left behind (their process no longer runs), and those of the earlier pattern
// `path` + ".tmp" + digits + "-" + digits, are removed first.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view data,
                         std::string* error = nullptr);

// Like WriteFileAtomically, but never replaces a file: when `path` exists (also when it
// appears while writing) nothing is changed and the result is false with `exists` set.
bool WriteNewFileAtomically(const std::filesystem::path& path, std::string_view data,
                            bool* exists = nullptr, std::string* error = nullptr);

// The temporary files of `path` that a run which no longer runs left behind; removes them
// and returns how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& data,
                   std::string* error = nullptr);

}  // namespace kombora
