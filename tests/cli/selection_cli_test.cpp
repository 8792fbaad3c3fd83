#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/own_index.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::CountLines;
using kombora::testing::RunCli;
using kombora::testing::TempDir;

class CliSelection : public ::testing::Test {
  protected:
    void SetUp() override { catalogue.Build({}, dir.path() / "OwnSystems"); }

    std::string Run(const std::string& arguments, int expectedExit = 0) {
        const auto r = RunCli("--data-dir '" + dir.path().string() + "' " + arguments);
        EXPECT_EQ(r.exitCode, expectedExit) << arguments << "\n" << r.err;
        return r.out;
    }

    int32_t IndexOf(int rg, int wz, int ga) const {
        for (int32_t i = 0; i < catalogue.size(); ++i) {
            if (catalogue[i].RG == rg && catalogue[i].WZ == wz && catalogue[i].GA == ga) return i;
        }
        return -1;
    }

    TempDir dir;
    Catalogue catalogue;
};

TEST_F(CliSelection, FindListsTheDefaultSystem) {
    const int32_t index = IndexOf(4, 11, 2);
    ASSERT_GE(index, 0);
    EXPECT_EQ(Run("find --tip 6 --pool 13 --guarantee 2 --bank 2"),
              std::to_string(index) + "\t11 numbers plus 2 bn in " +
                  std::to_string(catalogue[index].TR) +
                  " rows with 2er guarantee\nOne system found\n");
}

TEST_F(CliSelection, FindListsAFullSystem) {
    const int32_t index = IndexOf(6, 13, 6);
    EXPECT_EQ(Run("find --tip 6 --pool 13 --guarantee 6 --bank 0"),
              std::to_string(index) +
                  "\t13 numbers w/o bn in 1716 rows with 6er guarantee\nOne system found\n");
}

// A full guarantee with exact bank numbers fixes the row count, so --rows does not apply.
TEST_F(CliSelection, ForcedRowCountIgnoresTheRows) {
    const std::string full = "\t11 numbers plus 2 bn in 330 rows with 4er guarantee\n";
    EXPECT_NE(Run("find --tip 6 --pool 13 --guarantee 4 --bank 2 --rows 5").find(full),
              std::string::npos);
    EXPECT_EQ(Run("find --tip 6 --pool 13 --guarantee 4 --bank 2 --bank-mode at-most --rows 5")
                  .find(full),
              std::string::npos);
}

// Bank numbers "no matter" or "at most" allow rows of tip - B places only: the filter lowers
// the guarantee and says so on stderr; stdout lists what the lowered filter finds.
TEST_F(CliSelection, LoweredGuaranteeIsReportedOnStderr) {
    struct Case {
        const char* arguments;
        const char* err;
    };
    for (const Case& c :
         {Case{"find --tip 6 --guarantee 3",
               "guarantee lowered to 2: up to 4 bank numbers leave rows of 2\n"},
          Case{"find --tip 6 --guarantee 4 --bank 3 --bank-mode at-most",
               "guarantee lowered to 3: up to 3 bank numbers leave rows of 3\n"},
          Case{"find --tip 6 --guarantee 5 --bank 3",
               "guarantee lowered to 3: 3 bank numbers leave rows of 3\n"},
          Case{"find --tip 6 --guarantee 2", ""}, Case{"find --tip 6 --guarantee 3 --bank 2", ""},
          Case{"find --tip 6", ""}}) {
        SCOPED_TRACE(c.arguments);
        const auto r = RunCli("--data-dir '" + dir.path().string() + "' " + c.arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, c.err);
    }
    // The list is what the filter gives with the lowered guarantee.
    const auto lowered =
        RunCli("--data-dir '" + dir.path().string() + "' find --tip 6 --guarantee 3");
    EXPECT_EQ(lowered.out, Run("find --tip 6 --guarantee 2 --bank 4 --bank-mode at-most"));
}

TEST_F(CliSelection, LeftOutParametersAreNoMatter) {
    const std::string all = Run("find --tip 6");
    const std::string some =
        Run("find --tip 6 --bank 2 --bank-mode at-most --guarantee 3 --guarantee-mode at-least");
    EXPECT_GT(CountLines(all), CountLines(some));
    EXPECT_GT(CountLines(some), 2);
    EXPECT_NE(all.find(" w/o guarantee\n"), std::string::npos);
    EXPECT_EQ(some.find(" w/o guarantee\n"), std::string::npos);
    EXPECT_EQ(some.find(" with 2er guarantee\n"), std::string::npos);
    const std::string count = std::to_string(CountLines(all) - 1) + " systems found\n";
    EXPECT_EQ(all.substr(all.size() - count.size()), count);
}

TEST_F(CliSelection, LargestNumberBoundsThePool) {
    EXPECT_GT(CountLines(Run("find --tip 6 --largest 100")),
              CountLines(Run("find --tip 6 --largest 32")));
    EXPECT_EQ(Run("find --tip 10 --pool 60 --guarantee 10 --bank 0 --largest 60"),
              "No systems found\n");
}

TEST_F(CliSelection, FindListsOwnSystems) {
    TEigSysteme own{4, 11, 2, 9, 0.0, "ESY1.csv"};
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "OwnSystems" / "ESySummary.esy", {own}));
    dir.Write("OwnSystems/ESY1.csv", "1,2,3,4\n");
    const std::string out = Run("find --tip 6 --pool 13 --guarantee 2 --bank 2");
    EXPECT_NE(out.find("\n" + std::to_string(catalogue.size()) +
                       "\t11 numbers plus 2 bn in 9 rows with 2er guarantee\n2 systems found\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(Run("describe " + std::to_string(catalogue.size())),
              "\"Own system\" for 11 numbers in 9 rows \u00e0 4 numbers with 2er guarantee.\n");
}

TEST_F(CliSelection, DescribeWritesTheLineBreak) {
    const int32_t full = IndexOf(6, 13, 6);
    const std::string classic =
        "Selected was a system for 13 numbers w/o bank number in 1716 rows with 6er "
        "guarantee.\nA classic full system.\n";
    EXPECT_EQ(Run("describe " + std::to_string(full)), classic);
    EXPECT_EQ(Run("describe " + std::to_string(full) + " --tip 6"), classic);
    EXPECT_EQ(Run("describe " + std::to_string(IndexOf(4, 11, 4)) + " --tip 6"),
              "Selected was a system for 11 numbers plus 2 bank number in 330 rows with 4er "
              "guarantee.\nA \"full system\" on 2 bank numbers.\n");
    const int32_t builtin = IndexOf(4, 11, 3);
    EXPECT_EQ(Run("describe " + std::to_string(builtin) + " --tip 6"),
              "Selected was a system for 11 numbers plus 2 bank number in " +
                  std::to_string(catalogue[builtin].TR) + " rows with 3er guarantee.\n");
}

class CliSelectionUsage : public ::testing::TestWithParam<const char*> {};

TEST_P(CliSelectionUsage, ExitsWithTwoAndNamesTheFault) {
    TempDir dir;
    const auto r = RunCli("--data-dir '" + dir.path().string() + "' " + GetParam());
    EXPECT_EQ(r.exitCode, 2) << r.out;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_FALSE(r.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliSelectionUsage,
    ::testing::Values("find", "find --tip 3", "find --tip 11", "find --tip six",
                      "find --tip 6 --guarantee 7", "find --tip 6 --guarantee 1",
                      "find --tip 6 --bank 5", "find --tip 4 --bank 3", "find --tip 6 --rows 4",
                      "find --tip 6 --rows 501", "find --tip 6 --pool 3",
                      "find --tip 6 --pool 50 --largest 49", "find --tip 6 --largest 31",
                      "find --tip 6 --guarantee-mode at-most", "find --tip 6 --bank-mode at-least",
                      "describe", "describe -1", "describe 658", "describe x",
                      "describe 0 --tip 1"));

}  // namespace
}  // namespace kombora
