// kombora-cli rows: the rows of built-in, full and own catalogue entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>

#include "catalogue/builtin_designs.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/own_index.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::string& args, const kombora::testing::TempDir& dir) {
    const auto errFile = dir.path() / "stderr.txt";
    const std::string command = std::string("\"") + KOMBORA_CLI_PATH + "\" --data-dir \"" +
                                dir.path().string() + "\" " + args + " 2>\"" + errFile.string() +
                                "\"";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = dir.Read("stderr.txt");
    return run;
}

// Own systems of two rows of 2 numbers out of 4, one record per rows file name.
void WriteOwnSystems(const kombora::testing::TempDir& dir,
                     const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<TEigSysteme> records;
    for (const auto& [name, content] : files) {
        TEigSysteme s;
        s.RG = 2;
        s.WZ = 4;
        s.GA = 0;
        s.TR = 2;
        s.fn = name;
        records.push_back(s);
        if (!content.empty()) dir.Write(std::filesystem::path("OwnSystems") / name, content);
    }
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "OwnSystems" / "ESySummary.esy", records));
}

TEST(CliRows, BuiltinEntriesComeFromTheDesignData) {
    kombora::testing::TempDir dir;
    EXPECT_EQ(RunCli("rows 3", dir).out, "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n");
    EXPECT_EQ(RunCli("rows 141", dir).out, "1 2 6 7 8\n2 3 4 5 9\n");
    // The largest entry, line by line as the data holds it.
    const int last = 518;
    const CliRun run = RunCli("rows " + std::to_string(last), dir);
    EXPECT_EQ(run.exitCode, 0);
    std::istringstream lines(run.out);
    std::string line;
    int r = 0;
    while (std::getline(lines, line)) {
        ++r;
        std::string expected;
        for (int c = 1; c <= BuiltinDesigns()[last].RG; ++c) {
            expected += (c > 1 ? " " : "") + std::to_string(DesignNumber(last, r, c));
        }
        ASSERT_EQ(line, expected) << "row " << r;
    }
    EXPECT_EQ(r, BuiltinRowCount(last));
}

TEST(CliRows, FullSystemsListEveryCombinationInOrder) {
    kombora::testing::TempDir dir;
    // 519 is 2 out of 3, 594 is 3 out of 4.
    EXPECT_EQ(RunCli("rows 519", dir).out, "1 2\n1 3\n2 3\n");
    EXPECT_EQ(RunCli("rows 594", dir).out, "1 2 3\n1 2 4\n1 3 4\n2 3 4\n");
    const CliRun big = RunCli("rows 657", dir);  // 8 out of 13
    EXPECT_EQ(std::count(big.out.begin(), big.out.end(), '\n'), 1287);
    EXPECT_EQ(big.out.substr(0, 16), "1 2 3 4 5 6 7 8\n");
    const std::string lastRow = "6 7 8 9 10 11 12 13\n";
    EXPECT_EQ(big.out.substr(big.out.size() - lastRow.size()), lastRow);
}

TEST(CliRows, OwnSystemsComeFromTheirRowsFile) {
    kombora::testing::TempDir dir;
    WriteOwnSystems(dir, {{"ESY1.csv", "3,4\r\n1,2\r\n"},
                          {"ESY2.csv", ""},
                          {"ESY3.csv", "2,1\r\n\"\"\r\n\r\n4,3\r\n"}});
    // ESY2.csv is missing: the catalogue holds the first and the third system only.
    const CliRun first = RunCli("rows 658", dir);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "3 4\n1 2\n");
    const CliRun third = RunCli("rows 659", dir);
    EXPECT_EQ(third.exitCode, 0) << third.err;
    EXPECT_EQ(third.out, "1 2\n3 4\n");
}

struct BadFile {
    const char* name;
    const char* content;
    const char* message;  // part of the error text
};

class CliRowsBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(CliRowsBadFile, NamesFileAndLine) {
    kombora::testing::TempDir dir;
    WriteOwnSystems(dir, {{"ESY1.csv", GetParam().content}});
    const CliRun run = RunCli("rows 658", dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("ESY1.csv"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliRowsBadFile,
    ::testing::Values(
        BadFile{"NotANumber", "1,2\r\n1,x\r\n", "in line 2, \"x\" is not a whole number"},
        BadFile{"OutOfRange", "1,5\r\n1,2\r\n", "in line 1, the number 5 lies outside the range"},
        BadFile{"Repeated", "1,2\r\n3,3\r\n", "in line 2, the number 3 occurs more than once"},
        BadFile{"TooLong", "1,2,3\r\n1,2\r\n", "line 1 holds 3 numbers instead of 2"},
        BadFile{"TooShort", "1,2\r\n1\r\n", "line 2 holds 1 numbers instead of 2"},
        BadFile{"TooFewRows", "1,2\r\n", "it holds only 1 rows instead of 2"},
        BadFile{"TooManyRows", "1,2\r\n3,4\r\n1,3\r\n", "line 3 (\"1,3\") comes after"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliRows, OwnSystemWhoseFileVanished) {
    kombora::testing::TempDir dir;
    WriteOwnSystems(dir, {{"ESY1.csv", "1,2\r\n3,4\r\n"}});
    std::filesystem::remove(dir.path() / "OwnSystems" / "ESY1.csv");
    // Without the file the system has no catalogue entry at all.
    EXPECT_EQ(RunCli("rows 658", dir).exitCode, 2);
}

TEST(CliRows, IndexOutsideTheCatalogueIsAUsageError) {
    kombora::testing::TempDir dir;
    for (const char* index : {"-1", "658", "abc", "3x"}) {
        const CliRun run = RunCli(std::string("rows ") + index, dir);
        EXPECT_EQ(run.exitCode, 2) << index;
        EXPECT_TRUE(run.out.empty()) << index;
        EXPECT_FALSE(run.err.empty()) << index;
    }
    EXPECT_EQ(RunCli("rows", dir).exitCode, 2);
}

}  // namespace
}  // namespace kombora
