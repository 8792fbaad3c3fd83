#include "tools/update.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kombora {
namespace {

// One 24-byte record: 8 bytes the program does not read, the length byte, the text, padding.
std::string Record(std::string_view text, int lengthByte = -1) {
    std::string record(8, '\x7f');
    record += static_cast<char>(lengthByte < 0 ? static_cast<int>(text.size()) : lengthByte);
    record += text;
    record.resize(kVersionRecordSize, '\0');
    return record;
}

TEST(VersionFile, TakesTheLastRecordOfOneOrThree) {
    const VersionFileContent one = ReadVersionFile(Record("1.0.0.3"));
    EXPECT_EQ(one.error, VersionFileError::None);
    EXPECT_EQ(one.version, "1.0.0.3");
    EXPECT_EQ(one.records, 1u);

    const VersionFileContent three =
        ReadVersionFile(Record("1.0.0.1") + Record("1.0.0.2") + Record("2.0.0.0"));
    EXPECT_EQ(three.error, VersionFileError::None);
    EXPECT_EQ(three.version, "2.0.0.0");
    EXPECT_EQ(three.records, 3u);
}

TEST(VersionFile, LengthByteBoundsTheText) {
    // The length byte, not the padding, ends the text; 15 characters fill the record exactly.
    EXPECT_EQ(ReadVersionFile(Record("1.0.0.2xyz", 7)).version, "1.0.0.2");
    EXPECT_EQ(ReadVersionFile(Record("123456789012345")).version, "123456789012345");
    EXPECT_EQ(ReadVersionFile(Record("", 0)).version, "");
    // The text is in the ANSI code page.
    EXPECT_EQ(ReadVersionFile(Record("1.0 \xE4")).version, "1.0 \xC3\xA4");
}

TEST(VersionFile, DamagedFilesAreRefusedAsAWhole) {
    struct Case {
        std::string bytes;
        VersionFileError error;
        std::size_t badRecord;
    };
    const std::vector<Case> cases = {
        {"", VersionFileError::NoRecord, 0},
        {Record("1.0.0.3").substr(0, 23), VersionFileError::PartialRecord, 0},
        {Record("1.0.0.3") + "x", VersionFileError::PartialRecord, 0},
        {Record("1.0.0.3", 16), VersionFileError::TextTooLong, 1},
        // A bad record before a good last one still spoils the file.
        {Record("1.0.0.1") + Record("x", 255) + Record("1.0.0.3"), VersionFileError::TextTooLong,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        const VersionFileContent content = ReadVersionFile(c.bytes);
        EXPECT_EQ(content.error, c.error);
        EXPECT_EQ(content.version, "");
        EXPECT_EQ(content.badRecord, c.badRecord);
    }
    EXPECT_EQ(ReadVersionFile(Record("x", 200)).badLength, 200);
}

TEST(UpdateOffered, AnyDifferenceCountsALowerVersionIncluded) {
    EXPECT_FALSE(UpdateOffered("1.0.0.2", "1.0.0.2"));
    EXPECT_TRUE(UpdateOffered("1.0.0.3", "1.0.0.2"));
    EXPECT_TRUE(UpdateOffered("1.0.0.1", "1.0.0.2"));
    EXPECT_TRUE(UpdateOffered("1.0.0.2 ", "1.0.0.2"));
    EXPECT_TRUE(UpdateOffered("", "1.0.0.2"));
}

TEST(UpdateAddress, HttpsAlwaysPlainHttpOnlyToLoopbackInTests) {
    struct Case {
        const char* scheme;
        const char* host;
        bool loopbackAllowed;
        bool allowed;
    };
    const std::vector<Case> cases = {
        {"https", "updates.example.org", false, true},
        {"HTTPS", "updates.example.org", false, true},
        {"https", "", false, false},
        {"http", "updates.example.org", false, false},
        {"http", "updates.example.org", true, false},
        {"http", "127.0.0.1", false, false},
        {"http", "127.0.0.1", true, true},
        {"http", "localhost", true, false},
        {"ftp", "127.0.0.1", true, false},
        {"file", "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scheme) + "://" + c.host);
        EXPECT_EQ(UpdateAddressAllowed(c.scheme, c.host, c.loopbackAllowed), c.allowed);
    }
}

TEST(DigestFile, AcceptsTheDigestAloneOrAsSha256sumWritesIt) {
    const std::string digest(64, 'a');
    EXPECT_EQ(ParseDigestFile(digest), digest);
    EXPECT_EQ(ParseDigestFile("  " + std::string(64, 'A') + "\n"), digest);
    EXPECT_EQ(ParseDigestFile(digest + "  kmbxupdate.exe\n"), digest);
    EXPECT_EQ(ParseDigestFile(""), std::nullopt);
    EXPECT_EQ(ParseDigestFile(std::string(63, 'a')), std::nullopt);
    EXPECT_EQ(ParseDigestFile(std::string(65, 'a')), std::nullopt);
    EXPECT_EQ(ParseDigestFile(std::string(63, 'a') + "g"), std::nullopt);
    EXPECT_EQ(ParseDigestFile("<html>not found</html>"), std::nullopt);
}

TEST(CheckDownload, StartsOnlyWhatArrivedWhole) {
    const std::string good(64, 'b');
    struct Case {
        const char* name;
        DownloadFacts facts;
        DownloadVerdict verdict;
    };
    const std::vector<Case> cases = {
        {"size matches", {true, 4096, 4096, false, std::nullopt, good}, DownloadVerdict::Whole},
        {"size and digest match", {true, 4096, 4096, true, good, good}, DownloadVerdict::Whole},
        {"digest in upper case",
         {true, 10, 10, true, std::string(64, 'B'), good},
         DownloadVerdict::Whole},
        {"server closed mid-file",
         {false, 4096, 1000, false, std::nullopt, good},
         DownloadVerdict::SizeMismatch},
        {"more than announced",
         {true, 4096, 5000, false, std::nullopt, good},
         DownloadVerdict::SizeMismatch},
        {"size matches but the transfer failed",
         {false, 4096, 4096, false, std::nullopt, good},
         DownloadVerdict::TransferFailed},
        {"no size, failed",
         {false, std::nullopt, 10, false, std::nullopt, good},
         DownloadVerdict::TransferFailed},
        {"no size, no digest",
         {true, std::nullopt, 4096, false, std::nullopt, good},
         DownloadVerdict::SizeUnknown},
        {"no size, digest matches",
         {true, std::nullopt, 4096, true, good, good},
         DownloadVerdict::Whole},
        {"wrong digest",
         {true, 4096, 4096, true, std::string(64, 'c'), good},
         DownloadVerdict::DigestMismatch},
        {"unreadable digest",
         {true, 4096, 4096, true, std::nullopt, good},
         DownloadVerdict::DigestUnreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckDownload(c.facts), c.verdict);
    }
}

TEST(DownloadProgressBar, PercentOrBusyWhileTheSizeIsUnknown) {
    struct Case {
        int64_t received, total;
        int value, maximum;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, 0},
        {4096, 0, 0, 0},
        {4096, -1, 0, 0},
        {0, 8192, 0, 100},
        {4096, 8192, 50, 100},
        {8192, 8192, 100, 100},
        {9000, 8192, 100, 100},
        // Sizes beyond 32 bits stay exact.
        {int64_t{3} << 32, int64_t{4} << 32, 75, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.received) + " of " + std::to_string(c.total));
        const ProgressBarState bar = DownloadProgressBar(c.received, c.total);
        EXPECT_EQ(bar.value, c.value);
        EXPECT_EQ(bar.maximum, c.maximum);
    }
}

TEST(CleanupScript, BoundedRetriesQuotedPathsAndItRemovesItself) {
    const std::string script =
        CleanupScript(R"(C:\Program Files\Kombora 100%\Kombora.exe)",
                      R"(C:\Program Files\Kombora 100%\)", R"(C:\Users\A B\Temp\uis1.bat)", 5);
    EXPECT_EQ(script,
              "@echo off\r\n"
              "set /a KomboraTries=0\r\n"
              ":Label1\r\n"
              "del \"C:\\Program Files\\Kombora 100%%\\Kombora.exe\"\r\n"
              "if not exist \"C:\\Program Files\\Kombora 100%%\\Kombora.exe\" goto Label2\r\n"
              "set /a KomboraTries+=1\r\n"
              "if %KomboraTries% geq 5 goto Label2\r\n"
              "ping -n 2 127.0.0.1 >nul\r\n"
              "goto Label1\r\n"
              ":Label2\r\n"
              "rmdir \"C:\\Program Files\\Kombora 100%%\\\"\r\n"
              "del \"C:\\Users\\A B\\Temp\\uis1.bat\"\r\n");
    // At least one try, whatever the caller asks.
    EXPECT_NE(CleanupScript("a", "b", "c", 0).find("geq 1 goto"), std::string::npos);
}

}  // namespace
}  // namespace kombora
