// rows, test and apply read an own system's rows file with the one reader of the core: every
// file gets the same verdict from all three, and files that are no rows file are refused at
// once with a message naming them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include "catalogue/own_index.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::RunCli;
using kombora::testing::TempDir;

// The record of the damaged-file reports: RG 3, WZ 6, TR 4, and GA 3, which claims the full
// guarantee that its rows do not give.
const TEigSysteme kRecord{3, 6, 3, 4, 45000.5, "ESY1.csv"};
constexpr const char* kOwnEntry = "658";  // the first own system

std::string DataDir(const TempDir& dir) {
    return " --data-dir '" + dir.path().string() + "'";
}

void WriteStore(const TempDir& dir, const std::string& rowsFile) {
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "OwnSystems" / "ESySummary.esy", {kRecord}));
    if (!rowsFile.empty()) dir.Write("OwnSystems/ESY1.csv", rowsFile);
}

struct Verdict {
    int exitCode;
    std::string err;
};

// The three commands that read the rows file.
std::vector<std::pair<std::string, std::string>> Commands() {
    return {{"rows", std::string("rows ") + kOwnEntry},
            {"test", std::string("test ") + kOwnEntry + " --threads 1"},
            {"apply", std::string("apply ") + kOwnEntry + " --numbers 1,2,3,4,5,6"}};
}

struct FileCase {
    const char* name;
    std::string content;
    const char* refusal;  // part of the message; nullptr when the file is read
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class SameVerdict : public ::testing::TestWithParam<FileCase> {};

TEST_P(SameVerdict, FromRowsTestAndApply) {
    const FileCase& c = GetParam();
    TempDir dir;
    WriteStore(dir, c.content);
    for (const auto& [name, command] : Commands()) {
        const auto r = RunCli(command + DataDir(dir));
        if (c.refusal == nullptr) {
            EXPECT_EQ(r.exitCode, 0) << name << ": " << r.err;
            if (name == "rows") {
                EXPECT_EQ(r.out, "1 2 3\n1 4 5\n2 4 6\n3 5 6\n");
            }
        } else {
            EXPECT_EQ(r.exitCode, 1) << name;
            EXPECT_TRUE(r.out.empty()) << name << ": " << r.out;
            EXPECT_NE(r.err.find("ESY1.csv"), std::string::npos) << name << ": " << r.err;
            EXPECT_NE(r.err.find(c.refusal), std::string::npos) << name << ": " << r.err;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SameVerdict,
    ::testing::Values(
        FileCase{"AsWritten", "1,2,3\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n", nullptr},
        FileCase{"LineFeeds", "1,2,3\n1,4,5\n2,4,6\n3,5,6\n", nullptr},
        FileCase{"CarriageReturns", "1,2,3\r1,4,5\r2,4,6\r3,5,6\r", nullptr},
        FileCase{"ByteOrderMark",
                 "\xEF\xBB\xBF"
                 "1,2,3\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n",
                 nullptr},
        FileCase{"Blanks", "1 ,2, 3\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n", nullptr},
        FileCase{"EmptyQuotedLine", "1,2,3\r\n\"\"\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n", nullptr},
        FileCase{"Garbage", "garbage", "in line 1, \"garbage\" is not a whole number"},
        FileCase{"TrailingComma", "1,2,3,\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n",
                 "in line 1, \"\" is not a whole number"},
        FileCase{"PlusSign", "+1,2,3\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n",
                 "in line 1, \"+1\" is not a whole number"},
        FileCase{"MoreRows", "1,2,3\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n1,2,4\r\n",
                 "line 5 (\"1,2,4\") comes after the system's 4 rows"},
        FileCase{"FewerRows", "1,2,3\r\n1,4,5\r\n", "it holds only 2 rows instead of 4"},
        FileCase{"TerminalEscapes", "1,2,\x1b]0;owned\x07\r\n1,4,5\r\n2,4,6\r\n3,5,6\r\n",
                 "\"\\x1B]0;owned\\x07\" is not a whole number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SameVerdict, MessagesNeverCarryRawControlBytes) {
    TempDir dir;
    WriteStore(dir, "1,2,\x1b[2J\x9b\r\n");
    for (const auto& [name, command] : Commands()) {
        const auto r = RunCli(command + DataDir(dir));
        EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << name;
        EXPECT_EQ(r.err.find('\x9b'), std::string::npos) << name;
    }
}

TEST(RefusedFiles, RowsFileThatIsNoFileIsRefusedAtOnce) {
    const auto start = std::chrono::steady_clock::now();
    struct Case {
        const char* name;
        void (*make)(const TempDir&);
        const char* refusal;
    };
    const Case cases[] = {
        {"Fifo",
         [](const TempDir& d) {
             ASSERT_EQ(::mkfifo((d.path() / "OwnSystems/ESY1.csv").c_str(), 0600), 0);
         },
         "is not a regular file"},
        {"LinkOutside",
         [](const TempDir& d) {
             d.Write("passwd", "root:x:0:0:\x1b[2J\n");
             std::filesystem::create_symlink(d.path() / "passwd", d.path() / "OwnSystems/ESY1.csv");
         },
         "links to a place outside its folder"},
        {"Huge",
         [](const TempDir& d) {
             d.Write("OwnSystems/ESY1.csv",
                     "1,2,3\n1,4,5\n2,4,6\n3,5,6\n" + std::string(1 << 20, '\n'));
         },
         "is larger than the"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteStore(dir, "");
        c.make(dir);
        for (const auto& [name, command] : Commands()) {
            const auto r = RunCli(command + DataDir(dir));
            EXPECT_EQ(r.exitCode, 1) << c.name << " " << name << ": " << r.err;
            EXPECT_NE(r.err.find("ESY1.csv"), std::string::npos) << c.name << " " << name;
            EXPECT_NE(r.err.find(c.refusal), std::string::npos) << c.name << " " << r.err;
            EXPECT_EQ(r.err.find("root"), std::string::npos) << c.name << " " << r.err;
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(RefusedFiles, IndexAndSettingsThatAreNoFilesNeverHoldTheProgram) {
    const auto start = std::chrono::steady_clock::now();
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    ASSERT_EQ(::mkfifo((dir.path() / "OwnSystems/ESySummary.esy").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir.path() / "Einstellungen.ini").c_str(), 0600), 0);
    const auto r = RunCli("count" + DataDir(dir));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2621\n");
    EXPECT_NE(r.err.find("ESySummary.esy"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// Every command reads its numbers with the same rules: digits only, no blanks, no sign.
struct ArgumentCase {
    const char* arguments;
    int exitCode;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    *os << c.arguments;
}

class SameArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(SameArguments, AreAcceptedOrRefusedAlike) {
    TempDir dir;
    const auto r = RunCli(std::string(GetParam().arguments) + DataDir(dir));
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err;
    if (GetParam().exitCode == 2) {
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SameArguments,
    ::testing::Values(
        ArgumentCase{"binomial '' ''", 2}, ArgumentCase{"binomial 49 ''", 2},
        ArgumentCase{"binomial ' 49' 6", 2}, ArgumentCase{"binomial +49 6", 2},
        ArgumentCase{"binomial 49 6", 0}, ArgumentCase{"rows 3", 0}, ArgumentCase{"rows ' 3'", 2},
        ArgumentCase{"rows '3 '", 2}, ArgumentCase{"rows +3", 2}, ArgumentCase{"rows ''", 2},
        ArgumentCase{"describe 3", 0}, ArgumentCase{"describe ' 3'", 2},
        ArgumentCase{"describe +3", 2}, ArgumentCase{"describe 3 --tip ''", 2},
        ArgumentCase{"describe 3 --tip ' 4'", 2}, ArgumentCase{"test 0", 0},
        ArgumentCase{"test ' 0'", 2}, ArgumentCase{"test +0", 2},
        ArgumentCase{"test 0 --largest ' 49'", 2}, ArgumentCase{"apply 0 --numbers 1,2,3,4", 0},
        ArgumentCase{"apply ' 0' --numbers 1,2,3,4", 2},
        ArgumentCase{"apply +0 --numbers 1,2,3,4", 2},
        ArgumentCase{"apply 0 --numbers '1, 2,3,4'", 2},
        ArgumentCase{"apply 0 --numbers 1,+2,3,4", 2}, ArgumentCase{"find --tip 6 --pool 12", 0},
        ArgumentCase{"find --tip ' 6'", 2}, ArgumentCase{"find --tip +6", 2}),
    [](const auto& info) {
        std::string name;
        for (const char* p = info.param.arguments; *p; ++p) {
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        }
        return name + "_" + std::to_string(info.index);
    });

}  // namespace
}  // namespace kombora
