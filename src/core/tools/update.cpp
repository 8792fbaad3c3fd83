#include "tools/update.h"

#include <algorithm>
#include <cctype>

#include "io/text_encoding.h"

namespace kombora {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A path inside a batch line: quoted, '%' doubled so that cmd does not expand it.
std::string BatchQuoted(std::string_view path) {
    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    return quoted;
}

}  // namespace

VersionFileContent ReadVersionFile(std::string_view bytes) {
    VersionFileContent content;
    if (bytes.empty()) {
        content.error = VersionFileError::NoRecord;
        return content;
    }
    if (bytes.size() % kVersionRecordSize != 0) {
        content.error = VersionFileError::PartialRecord;
        content.records = bytes.size() / kVersionRecordSize;
        return content;
    }
    content.records = bytes.size() / kVersionRecordSize;
    std::string_view last;
    for (std::size_t record = 0; record < content.records; ++record) {
        const std::string_view text = bytes.substr(record * kVersionRecordSize + kVersionTextOffset,
                                                   kVersionRecordSize - kVersionTextOffset);
        const auto length = static_cast<unsigned char>(text[0]);
        if (length > kVersionTextMaxLength) {
            content.error = VersionFileError::TextTooLong;
            content.badRecord = record + 1;
            content.badLength = length;
            return content;
        }
        last = text.substr(1, length);
    }
    content.version = AnsiToUtf8(last);
    return content;
}

bool UpdateOffered(std::string_view offered, std::string_view installed) {
    return offered != installed;
}

bool UpdateAddressAllowed(std::string_view scheme, std::string_view host,
                          bool plainLoopbackAllowed) {
    if (EqualsIgnoringCase(scheme, "https")) return !host.empty();
    return plainLoopbackAllowed && EqualsIgnoringCase(scheme, "http") && host == "127.0.0.1";
}

std::optional<std::string> ParseDigestFile(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsSpace(text[start])) ++start;
    std::size_t end = start;
    while (end < text.size() && IsHexDigit(text[end])) ++end;
    if (end - start != 64) return std::nullopt;
    if (end < text.size() && !IsSpace(text[end])) return std::nullopt;
    std::string digest(text.substr(start, 64));
    std::transform(digest.begin(), digest.end(), digest.begin(), Lower);
    return digest;
}

DownloadVerdict CheckDownload(const DownloadFacts& facts) {
    if (facts.announcedSize && *facts.announcedSize != facts.receivedSize) {
        return DownloadVerdict::SizeMismatch;
    }
    if (!facts.transferOk) return DownloadVerdict::TransferFailed;
    if (facts.digestPublished) {
        if (!facts.publishedDigest) return DownloadVerdict::DigestUnreadable;
        return EqualsIgnoringCase(*facts.publishedDigest, facts.receivedDigest)
                   ? DownloadVerdict::Whole
                   : DownloadVerdict::DigestMismatch;
    }
    return facts.announcedSize ? DownloadVerdict::Whole : DownloadVerdict::SizeUnknown;
}

ProgressBarState DownloadProgressBar(int64_t received, int64_t total) {
    if (total <= 0) return {0, 0};
    const int64_t clamped = std::clamp<int64_t>(received, 0, total);
    return {static_cast<int>(clamped * 100 / total), 100};
}

std::string CleanupScript(std::string_view programFile, std::string_view programFolder,
                          std::string_view scriptFile, int retries) {
    const std::string program = BatchQuoted(programFile);
    const std::string folder = BatchQuoted(programFolder);
    const std::string newline = "\r\n";
    std::string script;
    script += "@echo off" + newline;
    script += "set /a KomboraTries=0" + newline;
    script += ":Label1" + newline;
    script += "del " + program + newline;
    script += "if not exist " + program + " goto Label2" + newline;
    script += "set /a KomboraTries+=1" + newline;
    script +=
        "if %KomboraTries% geq " + std::to_string(std::max(retries, 1)) + " goto Label2" + newline;
    script += "ping -n 2 127.0.0.1 >nul" + newline;
    script += "goto Label1" + newline;
    script += ":Label2" + newline;
    script += "rmdir " + folder + newline;
    script += "del " + BatchQuoted(scriptFile) + newline;
    return script;
}

}  // namespace kombora
