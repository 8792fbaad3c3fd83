#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/catalogue.h"
#include "catalogue/own_index.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::RunCli;
using kombora::testing::TempDir;

std::string DataDir(const TempDir& dir) {
    return " --data-dir '" + dir.path().string() + "'";
}

int32_t FullSystemIndex(int rg, int wz) {
    Catalogue catalogue;
    catalogue.Build({}, "/nonexistent");
    for (int32_t i = 0; i < catalogue.BaseSystemCount(); ++i) {
        const TSysteme& e = catalogue[i];
        if (e.GA == e.RG && e.RG == rg && e.WZ == wz) return i;
    }
    return -1;
}

const std::string kSevenOutOfOrder = "45,3,8,14,22,31,40";

TEST(CliApply, PrintsTheSevenNumberFullSystemInGridOrder) {
    TempDir dir;
    const std::string index = std::to_string(FullSystemIndex(6, 7));
    const auto r = RunCli("apply " + index + " --numbers " + kSevenOutOfOrder + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "3,8,14,22,31,40\n3,8,14,22,31,45\n3,8,14,22,40,45\n3,8,14,31,40,45\n"
              "3,8,22,31,40,45\n3,14,22,31,40,45\n8,14,22,31,40,45\n");
}

TEST(CliApply, BankNumberStandsInEveryRowAndSetsTheTipSize) {
    TempDir dir;
    const std::string index = std::to_string(FullSystemIndex(6, 7));
    const auto r =
        RunCli("apply " + index + " --numbers " + kSevenOutOfOrder + " --bank 1" + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(kombora::testing::CountLines(r.out), 7);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1,3,8,14,22,31,40");
}

// The command line names no lottery, so numbers up to 100 are chosen freely.
TEST(CliApply, NumbersUpToOneHundred) {
    TempDir dir;
    const std::string index = std::to_string(FullSystemIndex(6, 7));
    const auto r = RunCli("apply " + index + " --numbers 100,3,8,14,22,31,59" + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "3,8,14,22,31,59");
    EXPECT_NE(r.out.find("8,14,22,31,59,100"), std::string::npos);
}

TEST(CliApply, OwnSystemFromTheDataDir) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    TEigSysteme own{2, 3, 1, 3, 0.0, "ESY1.csv"};
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "OwnSystems" / "ESySummary.esy", {own}));
    dir.Write("OwnSystems/ESY1.csv", "1,2\r\n2,3\r\n1,3\r\n");
    Catalogue catalogue;
    const std::string index = std::to_string(catalogue.Build({}, "/nonexistent"));
    const auto r = RunCli("apply " + index + " --numbers 30,2,17" + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2,17\n17,30\n2,30\n");  // two numbers a row: not sorted

    dir.Write("OwnSystems/ESY1.csv", "1,2\r\n2,3\r\n1,4\r\n");
    const auto damaged = RunCli("apply " + index + " --numbers 30,2,17" + DataDir(dir));
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_NE(damaged.err.find("ESY1.csv"), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.err.find("line 3"), std::string::npos) << damaged.err;
}

struct FailureCase {
    const char* arguments;  // after "apply INDEX" of the full system 6 out of 7
    int exitCode;
    const char* err;  // part of standard error
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << "apply INDEX " << c.arguments;
}

class CliApplyFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliApplyFailures, ExitsWithMessage) {
    TempDir dir;
    const FailureCase& c = GetParam();
    const std::string index = std::to_string(FullSystemIndex(6, 7));
    const auto r = RunCli("apply " + index + " " + c.arguments + DataDir(dir));
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliApplyFailures,
    ::testing::Values(FailureCase{"--numbers 1,2,3", 1,
                                  "Please choose 7 tip numbers.\n\nI will abort"},
                      FailureCase{"--numbers 1,2,3,4,5,6,7 --tip 7", 1,
                                  "Please choose 7 tip numbers and one bank number."},
                      FailureCase{"--numbers 1,2,3,4,5,6,7 --bank 9 --tip 8", 1,
                                  "Please choose 7 tip numbers and 2 bank numbers."},
                      FailureCase{"--numbers 1,2,3,4,5,6,7 --tip 5", 1, "a tip row has only 5"},
                      FailureCase{"--numbers 1,2,3,4,5,6,0", 2, "--numbers"},
                      FailureCase{"--numbers 1,2,3,4,5,6,101", 2, "--numbers"},
                      FailureCase{"--numbers 1,2,3,4,5,6,6", 2, "more than once"},
                      FailureCase{"--numbers 1,2,3,4,5,6,", 2, "--numbers"},
                      FailureCase{"--numbers 1,2,x,4,5,6,7", 2, "--numbers"},
                      FailureCase{"--numbers 1,2,3,4,5,6,7 --bank 7", 2, "--bank"},
                      FailureCase{"--numbers 1,2,3,4,5,6,7 --tip 0", 2, "--tip"},
                      FailureCase{"", 2, "--numbers"}));

TEST(CliApply, IndexOutsideTheCatalogueIsAUsageError) {
    TempDir dir;
    const auto r = RunCli("apply 100000 --numbers 1,2,3" + DataDir(dir));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("INDEX"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace kombora
