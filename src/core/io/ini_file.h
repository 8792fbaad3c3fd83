#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/checked_read.h"

namespace kombora {

// A Windows-style INI file: [sections] of key=value lines. Section and key names compare
// without regard to case; surrounding blanks are ignored. Reading accepts CR LF, LF and CR
// line ends, byte-order marks at the start, and UTF-8 or Windows-1252 text.
//
// Saving keeps the file as it was except for the values written: every line the reader does
// not understand (comments, stray text, a header "[]", whose keys no one reads) and every
// entry not written stays byte for byte, with its line end; the leading byte-order marks are
// written back as they were read (all of them are skipped when reading, so that a doubled
// mark hides nothing). New lines take the file's first line end and its encoding.
class IniFile {
  public:
    // The largest settings file read: far beyond what the program writes (a few hundred
    // bytes), small enough that any file costs little time and memory.
    static constexpr std::uintmax_t kMaxBytes = 1u << 20;

    // An empty file.
    IniFile() = default;

    // Parses the bytes of a file.
    static IniFile Parse(std::string_view bytes);

    // Loads `path`; nullopt when it does not exist or is refused: only a regular file of at
    // most kMaxBytes is read, and, when `folder` is given, only one that lies inside it.
    // `refusal` (when given) says why nothing was loaded.
    static std::optional<IniFile> Load(const std::filesystem::path& path,
                                       const std::filesystem::path& folder = {},
                                       ReadRefusal* refusal = nullptr);

    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // The integer a key holds; `fallback` when the key is missing or holds no integer.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

    // Booleans are stored as integers; any value other than 0 reads true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Sets a value: an existing key keeps its place (and its line, when the value is the
    // same), a new key is appended to its section, and a new section is appended to the
    // file, so keys land in the order they are first written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's bytes.
    std::string Text() const;

    // Writes the file through a temporary file renamed into place.
    bool Save(const std::filesystem::path& path, std::string* error = nullptr) const;

  private:
    // A line with key=value, or a run of lines that are not entries (kept as one piece).
    struct Line {
        bool entry = false;
        std::string raw;  // as in the file: an entry without its line end, a run with them
        std::string end;  // an entry's line end
        std::string key;  // an entry's key and value, UTF-8, blanks around removed
        std::string value;
    };
    struct Section {
        bool header = false;  // false for the lines before the first header
        std::string name;     // UTF-8, blanks removed
        std::string raw;      // the header line as in the file, and its line end
        std::string end;
        std::vector<Line> lines;
    };

    const Line* Find(std::string_view section, std::string_view key) const;
    Section& SectionFor(std::string_view section);
    std::string Encode(std::string_view utf8) const;
    std::string LineEnd() const;  // for new lines

    std::vector<Section> sections_{Section{}};
    std::string byteOrderMarks_;  // as read
    bool windows1252_ = false;    // the file was not UTF-8
    bool empty_ = true;           // created, not read, or read from an empty file
    std::string lineEnd_;         // the first line end of the file
};

// Parses a decimal integer (optional blanks, optional sign, digits) that fits 32 bits.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace kombora
