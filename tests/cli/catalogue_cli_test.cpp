#include <gtest/gtest.h>

#include "catalogue/own_index.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::CountLines;
using kombora::testing::RunCli;
using kombora::testing::TempDir;

std::string DataDir(const TempDir& dir) {
    return "--data-dir '" + dir.path().string() + "'";
}

TEST(CliCatalogue, ListsHeaderAndEveryEntry) {
    TempDir dir;
    const auto r = RunCli("catalogue " + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CountLines(r.out), 659);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "index\tRG\tWZ\tGA\tTR\tkind");
    EXPECT_NE(r.out.find("\n519\t2\t3\t2\t3\tfull\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n657\t8\t13\t8\t1287\tfull\n"), std::string::npos);
}

TEST(CliCatalogue, OwnSystemsComeFromTheDataDir) {
    TempDir dir;
    TEigSysteme a;
    a.RG = 3;
    a.WZ = 5;
    a.GA = 2;
    a.TR = 4;
    a.fn = "ESY1.csv";
    TEigSysteme b = a;
    b.WZ = 6;
    b.TR = 6;
    b.fn = "ESY2.csv";
    std::filesystem::create_directories(dir.path() / "OwnSystems");
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "OwnSystems" / "ESySummary.esy", {a, b}));
    dir.Write("OwnSystems/ESY2.csv", "1,2,3\n");
    const auto r = RunCli("catalogue " + DataDir(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CountLines(r.out), 660);
    EXPECT_NE(r.out.find("\n658\t3\t6\t2\t6\town\n"), std::string::npos);
    EXPECT_EQ(RunCli("count " + DataDir(dir)).out, "2625\n");
}

struct UsageCase {
    const char* arguments;
    int exitCode;
    const char* out;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << "kombora-cli " << c.arguments;
}

class CliCommands : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliCommands, ExitCodesAndOutput) {
    TempDir dir;
    const auto r = RunCli(std::string(GetParam().arguments) + " " + DataDir(dir));
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << GetParam().arguments << ": " << r.err;
    if (GetParam().out) {
        EXPECT_EQ(r.out, GetParam().out);
    }
    if (GetParam().exitCode != 0) {
        EXPECT_FALSE(r.err.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CliCommands,
                         ::testing::Values(UsageCase{"count", 0, "2621\n"},
                                           UsageCase{"binomial 49 6", 0, "13983816\n"},
                                           UsageCase{"binomial 5 6", 0, "0\n"},
                                           UsageCase{"binomial 100 50", 1, ""},  // beyond 64 bits
                                           UsageCase{"binomial x 6", 2, ""},
                                           UsageCase{"binomial 49", 2, ""}, UsageCase{"", 2, ""},
                                           UsageCase{"no-such-command", 2, ""},
                                           UsageCase{"count --bogus", 2, ""}));

TEST(CliHelp, EveryCommandHasHelp) {
    const auto top = RunCli("--help");
    ASSERT_EQ(top.exitCode, 0);
    for (const char* cmd : {"catalogue", "count", "binomial", "summary"}) {
        EXPECT_NE(top.out.find(cmd), std::string::npos) << cmd;
        const auto r = RunCli(std::string(cmd) + " --help");
        EXPECT_EQ(r.exitCode, 0) << cmd;
        EXPECT_FALSE(r.out.empty()) << cmd;
    }
}

}  // namespace
}  // namespace kombora
