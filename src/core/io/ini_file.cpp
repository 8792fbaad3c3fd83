#include "io/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "io/atomic_file.h"
#include "io/text_encoding.h"

namespace kombora {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

#ifdef _WIN32
constexpr std::string_view kLineEnd = "\r\n";
#else
constexpr std::string_view kLineEnd = "\n";
#endif

}  // namespace

std::optional<int32_t> ParseInt32(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

IniFile IniFile::Parse(std::string_view bytes) {
    const std::string text = AnsiToUtf8(bytes);
    IniFile ini;
    ini.sections_.push_back(Section{});
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string_view raw(text.data() + pos, end - pos);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        pos = end + 1;
        const std::string_view line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
            const std::string_view name = Trim(line.substr(1, line.find(']') - 1));
            ini.sections_.push_back(Section{std::string(name), {}});
            continue;
        }
        const auto eq = line.find('=');
        if (!line.empty() && line.front() != ';' && eq != std::string_view::npos && eq > 0) {
            ini.sections_.back().lines.push_back(Line{std::string(Trim(line.substr(0, eq))),
                                                      std::string(Trim(line.substr(eq + 1))),
                                                      std::string(raw)});
        } else {
            ini.sections_.back().lines.push_back(Line{"", "", std::string(raw)});
        }
    }
    return ini;
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path) {
    std::string data;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    if (!ReadWholeFile(path, data)) return std::nullopt;
    return Parse(data);
}

const IniFile::Line* IniFile::Find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (s.name.empty() || !SameName(s.name, section)) continue;
        for (const Line& line : s.lines) {
            if (!line.key.empty() && SameName(line.key, key)) return &line;
        }
    }
    return nullptr;
}

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
    const Line* line = Find(section, key);
    if (!line) return std::nullopt;
    return line->value;
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    const Line* line = Find(section, key);
    if (!line) return fallback;
    return ParseInt32(line->value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

IniFile::Section& IniFile::SectionFor(std::string_view section) {
    for (Section& s : sections_) {
        if (!s.name.empty() && SameName(s.name, section)) return s;
    }
    sections_.push_back(Section{std::string(section), {}});
    return sections_.back();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = SectionFor(section);
    for (Line& line : s.lines) {
        if (!line.key.empty() && SameName(line.key, key)) {
            line.value = std::string(value);
            return;
        }
    }
    // Keep blank lines that separate sections after the new entry.
    auto insertAt = s.lines.end();
    while (insertAt != s.lines.begin() && std::prev(insertAt)->key.empty() &&
           Trim(std::prev(insertAt)->raw).empty()) {
        --insertAt;
    }
    s.lines.insert(insertAt, Line{std::string(key), std::string(value), ""});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteInteger(section, key, value ? 1 : 0);
}

std::string IniFile::Text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (!s.name.empty()) {
            out += '[';
            out += s.name;
            out += ']';
            out += kLineEnd;
        }
        for (const Line& line : s.lines) {
            if (line.key.empty()) {
                out += line.raw;
            } else {
                out += line.key;
                out += '=';
                out += line.value;
            }
            out += kLineEnd;
        }
    }
    return out;
}

bool IniFile::Save(const std::filesystem::path& path, std::string* error) const {
    return WriteFileAtomically(path, Utf8ToAnsi(Text()), error);
}

}  // namespace kombora
