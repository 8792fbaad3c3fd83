#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kombora {

// Why a file was not read.
enum class ReadRefusal {
    None,           // read
    Missing,        // there is no such file
    NotRegular,     // a folder, a device, a named pipe, a socket: never opened for reading
    OutsideFolder,  // the name, or a link it passes, leads outside the folder it must lie in
    TooLarge,       // larger than the limit given
    Unreadable,     // it could not be opened or read
};

struct CheckedRead {
    ReadRefusal refusal = ReadRefusal::None;
    std::string data;         // the file's bytes when refusal is None
    std::uintmax_t size = 0;  // the size found (for TooLarge: at least limit + 1)
    std::string detail;       // the system's reason for Unreadable

    explicit operator bool() const { return refusal == ReadRefusal::None; }
};

// Reads a file that a damaged disk or another program may have left in any state. Only a
// regular file is read, and only when it has at most `maxBytes` bytes: the size is checked
// before reading and again while reading, so a file that grows cannot make the read endless.
// When `folder` is not empty the file, with every link resolved, must lie inside that folder
// (itself resolved). Opening never waits: a named pipe is refused, not opened for a writer.
CheckedRead ReadCheckedFile(const std::filesystem::path& file, std::uintmax_t maxBytes,
                            const std::filesystem::path& folder = {});

// English words for a refusal, for messages that take a reason ("it is not a regular file").
std::string RefusalReason(const CheckedRead& read, std::uintmax_t maxBytes);

}  // namespace kombora
