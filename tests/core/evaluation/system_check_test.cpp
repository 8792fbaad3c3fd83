#include "evaluation/system_check.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue/builtin_table.h"
#include "evaluation/plain_evaluation.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using testing::TempDir;

// A context whose own-systems store holds one system (RG 3, WZ 6, GA 2, TR 3) with the given
// rows file text; no rows file at all for a null text.
class OwnSystemFixture : public ::testing::Test {
  protected:
    void Build(const char* rowsFile, TEigSysteme record = {3, 6, 2, 3, 45000.5, "ESY1.csv"}) {
        const AppFolders folders = MakeAppFolders(dir_.path(), dir_.path() / "data");
        std::filesystem::create_directories(folders.ownSystemsFolder);
        ASSERT_TRUE(SaveOwnSystemIndex(folders.OwnIndexFile(), {record}));
        if (rowsFile != nullptr) dir_.Write("data/OwnSystems/" + record.fn, rowsFile);
        InitializeContext(context_, folders);
    }
    int32_t OwnEntry() const { return context_.catalogue.BaseSystemCount(); }

    TempDir dir_;
    AppContext context_;
};

TEST_F(OwnSystemFixture, LoadsTheRowsOfTheOwnSystem) {
    Build("1,2,3\r\n1, 4, 5\r\n\r\n2,4,6\r\n");
    ASSERT_TRUE(LoadOwnSystemRows(context_, 0));
    const std::vector<std::vector<int32_t>> expected = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    EXPECT_EQ(context_.rows.OwnSystemRows, expected);
}

TEST_F(OwnSystemFixture, MissingRowsFileReturnsFalseAndChangesNothing) {
    Build("1,2,3\n1,4,5\n2,4,6\n");
    context_.rows.OwnSystemRows = {{9}};
    std::filesystem::remove(context_.folders.ownSystemsFolder / "ESY1.csv");
    EXPECT_FALSE(LoadOwnSystemRows(context_, 0));
    EXPECT_FALSE(LoadOwnSystemRows(context_, 5));  // no such own system
    EXPECT_EQ(context_.rows.OwnSystemRows, (std::vector<std::vector<int32_t>>{{9}}));
}

TEST_F(OwnSystemFixture, NameOutsideTheFolderCountsAsMissing) {
    Build(nullptr, {3, 6, 2, 3, 45000.5, "../ESY1.csv"});
    dir_.Write("data/ESY1.csv", "1,2,3\n1,4,5\n2,4,6\n");
    context_.OwnSystemList = {{3, 6, 2, 3, 45000.5, "../ESY1.csv"}};
    EXPECT_FALSE(LoadOwnSystemRows(context_, 0));
}

struct DamageCase {
    const char* name;
    const char* file;
    MessageId message;
    std::vector<std::string> args;
};

class DamagedRowsFile : public OwnSystemFixture,
                        public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedRowsFile, IsReportedWithFileAndLine) {
    const DamageCase& c = GetParam();
    Build(c.file);
    context_.rows.OwnSystemRows = {{9}};
    try {
        LoadOwnSystemRows(context_, 0);
        FAIL() << c.name << ": no error";
    } catch (const RowsFileError& e) {
        EXPECT_EQ(e.problem().id, c.message) << c.name;
        EXPECT_EQ(e.problem().args, c.args) << c.name;
        EXPECT_NE(std::string(e.what()).find("ESY1.csv"), std::string::npos) << e.what();
    }
    EXPECT_EQ(context_.rows.OwnSystemRows, (std::vector<std::vector<int32_t>>{{9}}));

    // The test refuses the system with the same message instead of evaluating it.
    const SystemTestPlan plan = PlanSystemTest(context_, OwnEntry(), 3);
    ASSERT_TRUE(plan.problem.has_value());
    EXPECT_EQ(plan.problem->id, c.message);
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedRowsFile,
                         ::testing::Values(DamageCase{"letter",
                                                      "1,2,3\n1,x,5\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileNotANumber,
                                                      {"ESY1.csv", "2", "x"}},
                                           DamageCase{"empty field",
                                                      "1,2,3\n1,4,5\n2,,6\n",
                                                      MessageId::OwnSystemsRowsFileNotANumber,
                                                      {"ESY1.csv", "3", ""}},
                                           DamageCase{"beyond 32 bits",
                                                      "1,2,3\n1,4,99999999999\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileOutOfRange,
                                                      {"ESY1.csv", "2", "99999999999", "6"}},
                                           DamageCase{"outside the pool",
                                                      "1,2,3\n1,4,7\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileOutOfRange,
                                                      {"ESY1.csv", "2", "7", "6"}},
                                           DamageCase{"zero",
                                                      "0,2,3\n1,4,5\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileOutOfRange,
                                                      {"ESY1.csv", "1", "0", "6"}},
                                           DamageCase{"twice in a row",
                                                      "1,2,3\n1,4,4\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileRepeated,
                                                      {"ESY1.csv", "2", "4"}},
                                           DamageCase{"short row",
                                                      "1,2,3\n\n1,4\n2,4,6\n",
                                                      MessageId::OwnSystemsRowsFileWrongCount,
                                                      {"ESY1.csv", "3", "2", "3"}},
                                           DamageCase{"too few rows",
                                                      "1,2,3\n1,4,5\n",
                                                      MessageId::OwnSystemsRowsFileTooFewRows,
                                                      {"ESY1.csv", "2", "3"}}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             }
                             return name;
                         });

TEST_F(OwnSystemFixture, PlanReadsTheRowsFileAgainForEveryTest) {
    Build("1,2,3\n1,4,5\n2,4,6\n");
    context_.rows.OwnSystemRows = {{1, 2, 3, 4, 5, 6}};  // rows of another system
    const SystemTestPlan plan = PlanSystemTest(context_, OwnEntry(), 3);
    ASSERT_FALSE(plan.problem.has_value());
    const std::vector<NumberSet> expected = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    EXPECT_EQ(plan.rowSets, expected);
    EXPECT_EQ(plan.firstHitCount, 2);
    EXPECT_EQ(plan.lastHitCount, 3);
    EXPECT_EQ(plan.calculationCount, 3 * (15 + 20));
    const EvaluationResult result = RunSystemTest(plan);
    EXPECT_EQ(result.tally, EvaluateHitsPlain(expected, 6, 2, 3));
    EXPECT_EQ(result.tally(2, 2), 9);
}

TEST_F(OwnSystemFixture, MissingRowsFileGivesTheMessageWithTheFileName) {
    Build("1,2,3\n1,4,5\n2,4,6\n");
    std::filesystem::remove(context_.folders.ownSystemsFolder / "ESY1.csv");
    const SystemTestPlan plan = PlanSystemTest(context_, OwnEntry(), 3);
    ASSERT_TRUE(plan.problem.has_value());
    EXPECT_EQ(plan.problem->id, MessageId::TestRowsFileNotFound);
    EXPECT_EQ(plan.problem->Text(0),
              "Die für das Spielsystem benötigte Tippreihen-Datei ESY1.csv wurde nicht "
              "gefunden.\r\rIch muss abbrechen.");
}

TEST_F(OwnSystemFixture, FullSystemsNeedNoRowsAndStartAtTwo) {
    Build(nullptr);
    // Catalogue entries after the built-in ones are full systems: find RG 3 over 7 numbers.
    int32_t full = -1;
    for (int32_t i = kBuiltinCount; i < context_.catalogue.BaseSystemCount(); ++i) {
        if (context_.catalogue[i].RG == 3 && context_.catalogue[i].WZ == 7) full = i;
    }
    ASSERT_GE(full, 0);
    context_.LargestNumber = 7;  // every hit count below 3 is impossible ...
    const SystemTestPlan plan = PlanSystemTest(context_, full, 3);
    ASSERT_FALSE(plan.problem.has_value());
    EXPECT_TRUE(plan.fullSystem);
    EXPECT_EQ(plan.firstHitCount, 2);  // ... but a full system's table starts at 2 anyway
    EXPECT_EQ(plan.calculationCount, 35 * 35);
    const EvaluationResult result = RunSystemTest(plan);
    EXPECT_EQ(result.tally(2, 2), 21);
    EXPECT_EQ(result.tally(3, 3), 35);
}

TEST_F(OwnSystemFixture, OwnSystemClaimingFullGuaranteeIsTestedFromItsRows) {
    // The record (RG 3, WZ 6, GA 3, TR 4) claims the full guarantee; its rows do not give it.
    Build("1,2,3\n1,4,5\n2,4,6\n3,5,6\n", {3, 6, 3, 4, 45000.5, "ESY1.csv"});
    SystemTestPlan plan = PlanSystemTest(context_, OwnEntry(), 3);
    ASSERT_FALSE(plan.problem.has_value());
    EXPECT_FALSE(plan.fullSystem);
    EXPECT_EQ(plan.rowSets.size(), 4u);
    EXPECT_LT(RunSystemTest(plan).tally(3, 3), 20);
    // With a rows file that holds no rows the test is refused, never shown as full.
    dir_.Write("data/OwnSystems/ESY1.csv", "garbage");
    plan = PlanSystemTest(context_, OwnEntry(), 3);
    ASSERT_TRUE(plan.problem.has_value());
    EXPECT_EQ(plan.problem->id, MessageId::OwnSystemsRowsFileNotANumber);
}

TEST_F(OwnSystemFixture, NoSystemIsRefused) {
    Build(nullptr);
    const SystemTestPlan plan = PlanSystemTest(context_, -1, 6);
    ASSERT_TRUE(plan.problem.has_value());
    EXPECT_EQ(plan.problem->id, MessageId::TestNoSystem);
}

}  // namespace
}  // namespace kombora
