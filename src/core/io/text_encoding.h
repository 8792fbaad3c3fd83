#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kombora {

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// Text from a file in the ANSI code page: UTF-8 is taken as it is, anything else is read as
// Windows-1252. A leading UTF-8 byte-order mark is dropped.
std::string AnsiToUtf8(std::string_view bytes);

// Text from a text file: a byte-order mark selects UTF-8 or UTF-16 (either byte order) and is
// dropped; without one the bytes are read as AnsiToUtf8 reads them. Malformed UTF-16 (a lone
// surrogate, an odd last byte) becomes U+FFFD.
std::string DecodeTextFile(std::string_view bytes);

// UTF-8 from Windows-1252 (the five bytes the code page leaves free become U+0081 etc.).
std::string Windows1252ToUtf8(std::string_view bytes);

// Windows-1252 from UTF-8; characters it cannot hold become '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

// Text for a file in the ANSI code page: Windows-1252 on Windows, UTF-8 elsewhere.
std::string Utf8ToAnsi(std::string_view utf8);

// Text from a file, made safe to show in a message or on a terminal: control characters
// (C0, DEL, C1), invisible marks (byte-order, zero-width and direction marks), bytes that are
// not UTF-8 and the backslash are written as escapes (\r, \n, \t, \\, \xNN, \u{NNNN}),
// and text beyond `maxChars` characters is cut off with "...".
// The default keeps at most a line's worth.
inline constexpr std::size_t kQuoteMaxChars = 60;
std::string QuoteForMessage(std::string_view bytes, std::size_t maxChars = kQuoteMaxChars);

// A path from UTF-8 text and back, on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace kombora
