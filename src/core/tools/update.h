#pragma once

// The update check and download without the network: the maker's version file, the decision
// whether another version is offered, which addresses may be used, whether a downloaded
// installation program arrived whole, and the clean-up script that removes the old program
// file once the program has ended (Windows).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kombora {

// Paths on the maker's web server, relative to its base address.
inline constexpr std::string_view kVersionFileRemotePath = "/downloads/verinfos.kmbx";
inline constexpr std::string_view kInstallerRemotePath = "/downloads/kmbxupdate.exe";
// A SHA-256 the server may publish beside a file: the file's path + this suffix.
inline constexpr std::string_view kDigestSuffix = ".sha256";

// Local names in the application-data folder.
inline constexpr const char* kVersionFileName = "verinfos.kmbx";
inline constexpr const char* kInstallerFileName = "Update.exe";

// Version file: records of 24 bytes without a header; bytes 8..23 hold the version text as a
// length byte (0..15) and up to 15 characters in the ANSI code page.
inline constexpr std::size_t kVersionRecordSize = 24;
inline constexpr std::size_t kVersionTextOffset = 8;
inline constexpr std::size_t kVersionTextMaxLength = 15;

enum class VersionFileError {
    None,
    NoRecord,       // the file is empty
    PartialRecord,  // its length is no multiple of 24
    TextTooLong,    // a record's length byte is above 15
};

struct VersionFileContent {
    VersionFileError error = VersionFileError::None;
    std::string version;        // UTF-8 text of the last record; empty on an error
    std::size_t records = 0;    // whole records in the file
    std::size_t badRecord = 0;  // 1-based record with the bad length byte (TextTooLong)
    int badLength = 0;          // that length byte
};

// Reads every record and takes the version text of the last one. Every record is checked, so
// a damaged file is refused as a whole rather than read in part.
VersionFileContent ReadVersionFile(std::string_view bytes);

// True when the server offers another version than the installed one: the texts are compared
// as a whole, so a lower version counts as well (the maker may withdraw a faulty release).
bool UpdateOffered(std::string_view offered, std::string_view installed);

// Whether an address may be used for the update: HTTPS always; plain HTTP only to 127.0.0.1
// and only when `plainLoopbackAllowed` (the tests' own server). `scheme` and `host` as the URL
// gives them (scheme case-insensitive).
bool UpdateAddressAllowed(std::string_view scheme, std::string_view host,
                          bool plainLoopbackAllowed);

// The SHA-256 in the text of a ".sha256" file ("<64 hex digits>" optionally followed by white
// space and a file name, as sha256sum writes it), in lower case; nullopt when the text holds
// no such digest.
std::optional<std::string> ParseDigestFile(std::string_view text);

// What is known about an installation download once the transfer has ended.
struct DownloadFacts {
    bool transferOk = false;                     // the transfer ended without an error
    std::optional<uint64_t> announcedSize;       // the server's Content-Length, when it sent one
    uint64_t receivedSize = 0;                   // bytes written to the file
    bool digestPublished = false;                // the server has a ".sha256" beside the file
    std::optional<std::string> publishedDigest;  // its digest; nullopt when unreadable
    std::string receivedDigest;                  // SHA-256 of the received bytes, lower-case hex
};

enum class DownloadVerdict {
    Whole,             // may be installed
    TransferFailed,    // the transfer ended with an error and no size to compare
    SizeMismatch,      // fewer or more bytes than announced
    SizeUnknown,       // no size announced and no digest to prove the file whole
    DigestUnreadable,  // the ".sha256" holds no digest
    DigestMismatch,    // the digest differs
};

// The installation program is started only when it arrived whole: the announced size matches
// the bytes received and, when the server publishes a digest, the digest matches. Without an
// announced size only a published digest can show that nothing is missing.
DownloadVerdict CheckDownload(const DownloadFacts& facts);

// The progress bar for `received` of `total` bytes (total <= 0: not announced): a percentage
// with maximum 100, or maximum 0 (a busy bar) while the size is unknown.
struct ProgressBarState {
    int value = 0;
    int maximum = 100;
};
ProgressBarState DownloadProgressBar(int64_t received, int64_t total);

// How often the clean-up script tries to delete the old program file, about a second apart.
inline constexpr int kCleanupRetries = 30;

// The clean-up script (Windows batch, lines ending CR LF, UTF-8 here; the caller writes it in
// the ANSI code page). It deletes `programFile` as soon as the ended program has let go of it,
// trying `retries` times about a second apart, then removes `programFolder` if it is empty and
// finally deletes itself, also when the program file could not be deleted. Every path is
// quoted and a '%' in a path is doubled, so spaces and percent signs are safe.
std::string CleanupScript(std::string_view programFile, std::string_view programFolder,
                          std::string_view scriptFile, int retries = kCleanupRetries);

}  // namespace kombora
