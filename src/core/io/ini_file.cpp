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
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool EndsWithLineEnd(std::string_view s) {
    return !s.empty() && (s.back() == '\n' || s.back() == '\r');
}

#ifdef _WIN32
constexpr std::string_view kPlatformLineEnd = "\r\n";
#else
constexpr std::string_view kPlatformLineEnd = "\n";
#endif

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    IniFile ini;
    while (bytes.starts_with(kByteOrderMark)) {
        ini.byteOrderMarks_ += kByteOrderMark;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    ini.windows1252_ = !IsValidUtf8(bytes);
    ini.empty_ = bytes.empty();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view raw = bytes.substr(pos, end - pos);
        std::size_t next = end;
        if (next < bytes.size()) {
            next +=
                (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
        }
        const std::string_view ending = bytes.substr(end, next - end);
        if (ini.lineEnd_.empty()) ini.lineEnd_ = std::string(ending);
        pos = next;

        const std::string text = ini.windows1252_ ? Windows1252ToUtf8(raw) : std::string(raw);
        const std::string_view line = Trim(text);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
            Section section;
            section.header = true;
            section.name = std::string(Trim(line.substr(1, line.find(']') - 1)));
            section.raw = std::string(raw);
            section.end = std::string(ending);
            ini.sections_.push_back(std::move(section));
            continue;
        }
        std::vector<Line>& lines = ini.sections_.back().lines;
        const auto eq = line.find('=');
        if (!line.empty() && line.front() != ';' && eq != std::string_view::npos && eq > 0) {
            lines.push_back(Line{true, std::string(raw), std::string(ending),
                                 std::string(Trim(line.substr(0, eq))),
                                 std::string(Trim(line.substr(eq + 1)))});
            continue;
        }
        // Lines that are not understood are kept as they are, a run of them as one piece.
        if (lines.empty() || lines.back().entry) lines.push_back(Line{});
        lines.back().raw.append(raw);
        lines.back().raw.append(ending);
    }
    return ini;
}

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path,
                                     const std::filesystem::path& folder, ReadRefusal* refusal) {
    CheckedRead file = ReadCheckedFile(path, kMaxBytes, folder);
    if (refusal) *refusal = file.refusal;
    if (!file) return std::nullopt;
    return Parse(file.data);
}

const IniFile::Line* IniFile::Find(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (!s.header || s.name.empty() || !SameName(s.name, section)) continue;
        for (const Line& line : s.lines) {
            if (line.entry && SameName(line.key, key)) return &line;
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

std::string IniFile::Encode(std::string_view utf8) const {
    if (windows1252_) return Utf8ToWindows1252(utf8);
    return empty_ ? Utf8ToAnsi(utf8) : std::string(utf8);
}

IniFile::Section& IniFile::SectionFor(std::string_view section) {
    for (Section& s : sections_) {
        if (s.header && !s.name.empty() && SameName(s.name, section)) return s;
    }
    Section added;
    added.header = true;
    added.name = std::string(section);
    added.raw = Encode("[" + std::string(section) + "]");
    added.end = LineEnd();
    sections_.push_back(std::move(added));
    return sections_.back();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    for (Section& s : sections_) {
        if (!s.header || s.name.empty() || !SameName(s.name, section)) continue;
        for (Line& line : s.lines) {
            if (!line.entry || !SameName(line.key, key)) continue;
            if (line.value != value) {
                line.value = std::string(value);
                line.raw = Encode(line.key + "=" + line.value);
            }
            return;
        }
    }
    Section& s = SectionFor(section);
    // After the section's last entry: lines that are not entries after it (blank lines that
    // separate sections, say) stay after the new entry.
    auto insertAt = s.lines.end();
    if (insertAt != s.lines.begin() && !std::prev(insertAt)->entry) --insertAt;
    const std::string k(key);
    const std::string v(value);
    s.lines.insert(insertAt, Line{true, Encode(k + "=" + v), LineEnd(), k, v});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteInteger(section, key, value ? 1 : 0);
}

std::string IniFile::LineEnd() const {
    return lineEnd_.empty() ? std::string(kPlatformLineEnd) : lineEnd_;
}

std::string IniFile::Text() const {
    const std::string lineEnd = LineEnd();
    std::string out = byteOrderMarks_;
    bool open = false;  // the text so far ends in a line without its line end
    const auto put = [&](std::string_view raw, std::string_view end) {
        if (open) out += lineEnd;
        out += raw;
        out += end;
        open = !end.empty() ? false : !raw.empty() && !EndsWithLineEnd(raw);
    };
    for (const Section& s : sections_) {
        if (s.header) put(s.raw, s.end);
        for (const Line& line : s.lines) put(line.raw, line.end);
    }
    return out;
}

bool IniFile::Save(const std::filesystem::path& path, std::string* error) const {
    return WriteFileAtomically(path, Text(), error);
}

}  // namespace kombora
