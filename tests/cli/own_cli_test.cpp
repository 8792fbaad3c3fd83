#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/own_index.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::RunCli;
using kombora::testing::TempDir;

class OwnCli : public ::testing::Test {
  protected:
    std::string DataDir() const { return " --data-dir '" + dir_.path().string() + "'"; }
    std::string RowsFile(const std::string& text) {
        return "'" + dir_.Write("rows" + std::to_string(files_++) + ".txt", text).string() + "'";
    }
    std::filesystem::path OwnFolder() const { return dir_.path() / "OwnSystems"; }

    TempDir dir_;
    int files_ = 0;
};

TEST_F(OwnCli, TestOwnPrintsTableGuaranteeAndTheIdenticalSystem) {
    const auto r = RunCli("test-own " + RowsFile("1,2,3\n1,2,4\n1,3,4\n2,3,4\n") + DataDir());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("bank numbers: none\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n2\t6\t0\t6\n3\t4\t0\t0\t4\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("guarantee: 3\n"), std::string::npos);
    EXPECT_NE(r.out.find("with 3er guarantee."), std::string::npos);
    EXPECT_NE(r.out.find("comparable systems: 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("\tIdentical system available\n"), std::string::npos);
}

TEST_F(OwnCli, TestOwnLeavesTheBankNumbersOut) {
    const auto r =
        RunCli("test-own " + RowsFile("1,2,7\n3,4,7\n5,6,7\n") + " --delimiter comma" + DataDir());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto spaces = RunCli("test-own " + RowsFile("1 2 7\n3  4 7\n5 6 7\n") +
                               " --delimiter spaces" + DataDir());
    EXPECT_EQ(spaces.out, r.out);
    EXPECT_NE(r.out.find("bank numbers: 7\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n2\t15\t12\t3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("guarantee: -\n"), std::string::npos);
}

TEST_F(OwnCli, Refusals) {
    struct Case {
        const char* name;
        std::string arguments;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"unfit rows", "test-own " + RowsFile("1,2,3\n4,5,6\n"), 1,
         "A system test doesn`t make sense"},
        {"a number above the largest", "test-own " + RowsFile("1,2,3\n1,2,50\n1,3,4\n"), 1,
         "Number 50 in line 2 is outside the range of validity from 1 to 49."},
        {"a bad delimiter", "test-own " + RowsFile("1,2,3\n") + " --delimiter tab", 2,
         "--delimiter"},
        {"no such system", "own show 1", 1, "there are no own systems"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = RunCli(c.arguments + DataDir());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(OwnFolder() / "ESySummary.esy"));
}

TEST_F(OwnCli, SaveListShowDelete) {
    const auto saved = RunCli("own save " + RowsFile("1,2,7\n3,4,7\n5,6,7\n") + DataDir());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_NE(saved.out.find("saved as own system 1 in ESY1.csv, catalogue index 658\n"),
              std::string::npos)
        << saved.out;
    EXPECT_EQ(dir_.Read("OwnSystems/ESY1.csv"), "1,2\r\n3,4\r\n5,6\r\n");
    EXPECT_EQ(std::filesystem::file_size(OwnFolder() / "ESySummary.esy"), 272u);
    const auto records = LoadOwnSystemIndex(OwnFolder() / "ESySummary.esy").systems;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].RG, 2);
    EXPECT_EQ(records[0].WZ, 6);
    EXPECT_EQ(records[0].GA, 0);
    EXPECT_EQ(records[0].TR, 3);

    ASSERT_EQ(RunCli("own save " + RowsFile("1,2,3\n1,2,4\n1,3,4\n2,3,4\n") + DataDir()).exitCode,
              0);
    const auto list = RunCli("own list" + DataDir());
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("\n1\tESY1.csv\t2\t6\t0\t3\t"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\n2\tESY2.csv\t3\t4\t3\t4\t"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("Both systems seem complete.\n"), std::string::npos);

    const auto show = RunCli("own show 2" + DataDir());
    ASSERT_EQ(show.exitCode, 0) << show.err;
    EXPECT_NE(show.out.find("catalogue index: 659\n"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\tIdentical system available\n"), std::string::npos);
    EXPECT_NE(show.out.find("system rows:\n1\t1\t2\t3\n"), std::string::npos);

    // The saved system is in the catalogue and can be tested from there.
    const auto test = RunCli("test 659" + DataDir());
    ASSERT_EQ(test.exitCode, 0) << test.err;

    const auto deleted = RunCli("own delete 1" + DataDir());
    ASSERT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "deleted own system 1 (ESY1.csv)\n");
    EXPECT_FALSE(std::filesystem::exists(OwnFolder() / "ESY1.csv"));
    const auto after = RunCli("own list" + DataDir());
    EXPECT_NE(after.out.find("\n1\tESY2.csv\t"), std::string::npos) << after.out;
    EXPECT_EQ(RunCli("own delete 2" + DataDir()).exitCode, 2);
}

TEST_F(OwnCli, ShowOfASystemWhoseRowsFileIsMissing) {
    ASSERT_EQ(RunCli("own save " + RowsFile("1,2,3\n1,2,4\n1,3,4\n2,3,4\n") + DataDir()).exitCode,
              0);
    std::filesystem::remove(OwnFolder() / "ESY1.csv");
    const auto list = RunCli("own list" + DataDir());
    EXPECT_NE(list.out.find("- (rows file missing)"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("The system is incomplete."), std::string::npos);
    const auto show = RunCli("own show 1" + DataDir());
    EXPECT_EQ(show.exitCode, 1);
    EXPECT_NE(show.out.find("rows file: ESY1.csv (missing)"), std::string::npos);
    EXPECT_NE(show.err.find("can not be applied"), std::string::npos);
    EXPECT_EQ(RunCli("own delete 1" + DataDir()).exitCode, 0);
}

}  // namespace
}  // namespace kombora
