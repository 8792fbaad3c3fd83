#include "io/text_encoding.h"

#include <array>
#include <cstdint>

namespace kombora {

namespace {

// Windows-1252 code points for the bytes 0x80..0x9F (0 where the code page has no character).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, 0 when it is malformed.
std::size_t DecodeUtf8(std::string_view bytes, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > bytes.size()) return 0;
    for (std::size_t j = 1; j < len; ++j) {
        const auto b = static_cast<unsigned char>(bytes[i + j]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(bytes, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            const char32_t cp = kCp1252High[b - 0x80];
            AppendUtf8(out, cp != 0 ? cp : char32_t{b});
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::string AnsiToUtf8(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}

std::string DecodeTextFile(std::string_view bytes) {
    const bool le = bytes.substr(0, 2) == "\xFF\xFE";
    const bool be = bytes.substr(0, 2) == "\xFE\xFF";
    if (!le && !be) return AnsiToUtf8(bytes);
    bytes.remove_prefix(2);
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return le ? char32_t(a | (b << 8)) : char32_t((a << 8) | b);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        AppendUtf8(out, cp);
    }
    if (i < bytes.size()) AppendUtf8(out, 0xFFFD);
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        std::size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            out += '?';
            ++i;
            continue;
        }
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (std::size_t j = 0; j < kCp1252High.size(); ++j) {
            if (kCp1252High[j] != 0 && kCp1252High[j] == cp) {
                mapped = static_cast<char>(0x80 + j);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
#ifdef _WIN32
    return Utf8ToWindows1252(utf8);
#else
    return std::string(utf8);
#endif
}

std::string QuoteForMessage(std::string_view bytes, std::size_t maxChars) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        if (shown == maxChars) {
            out += "...";
            break;
        }
        ++shown;
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(bytes, i, cp);
        if (len == 0) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
            ++i;
            continue;
        }
        if (cp == '\r') {
            out += "\\r";
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp == '\\') {
            out += "\\\\";
        } else if (cp < 0x20 || cp == 0x7F) {
            out += "\\x";
            out += kHex[cp >> 4];
            out += kHex[cp & 0xF];
        } else if ((cp >= 0x80 && cp <= 0x9F) || cp == 0xFEFF || (cp >= 0x200B && cp <= 0x200F) ||
                   (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069)) {
            // C1 controls and invisible marks that change how a line shows (byte-order mark,
            // zero-width and direction marks).
            out += "\\u{";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(cp >> shift) & 0xF];
            out += '}';
        } else {
            out.append(bytes.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace kombora
