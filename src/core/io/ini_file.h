#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kombora {

// A Windows-style INI file: [sections] of key=value lines. Section and key names compare
// without regard to case; surrounding blanks are ignored. Reading accepts LF and CRLF line
// ends, a UTF-8 byte-order mark, and UTF-8 or Windows-1252 text. Lines that are not
// understood (comments, stray text) are kept and written back unchanged.
class IniFile {
  public:
    // An empty file.
    IniFile() = default;

    // Parses the text of a file.
    static IniFile Parse(std::string_view text);

    // Loads `path`; nullopt when it does not exist or cannot be read.
    static std::optional<IniFile> Load(const std::filesystem::path& path);

    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // The integer a key holds; `fallback` when the key is missing or holds no integer.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;

    // Booleans are stored as integers; any value other than 0 reads true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Sets a value: an existing key keeps its place, a new key is appended to its section, and
    // a new section is appended to the file, so keys land in the order they are first written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The file's text, with the platform's line ends.
    std::string Text() const;

    // Writes the file through a temporary file renamed into place.
    bool Save(const std::filesystem::path& path, std::string* error = nullptr) const;

  private:
    struct Line {
        std::string key;  // empty for a line that is not an entry
        std::string value;
        std::string raw;  // the line as read, for lines that are not entries
    };
    struct Section {
        std::string name;  // empty for lines before the first section header
        std::vector<Line> lines;
    };

    const Line* Find(std::string_view section, std::string_view key) const;
    Section& SectionFor(std::string_view section);

    std::vector<Section> sections_;
};

// Parses a decimal integer (optional blanks, optional sign, digits) that fits 32 bits.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace kombora
