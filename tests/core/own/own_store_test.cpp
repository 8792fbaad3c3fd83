#include "own/own_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/own_index.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using testing::TempDir;

class OwnStoreTest : public ::testing::Test {
  protected:
    OwnStoreTest()
        : files_{dir_.path() / "OwnSystems", dir_.path() / "OwnSystems" / "ESySummary.esy"} {
        std::filesystem::create_directories(files_.folder);
    }
    OwnSystemDesign Design() const { return {2, 6, 0, {{1, 2}, {3, 4}, {5, 6}}}; }
    std::vector<TEigSysteme> Loaded() const { return LoadOwnSystemIndex(files_.indexFile).systems; }
    std::size_t IndexSize() const { return std::filesystem::file_size(files_.indexFile); }

    TempDir dir_;
    OwnStoreFiles files_;
    std::vector<TEigSysteme> list_;
};

TEST_F(OwnStoreTest, FirstSaveWritesTheRowsFileAndAOneRecordIndex) {
    const double savedAt = OwnSystemTimeStamp(2020, 3, 5, 14, 7, 9);
    const OwnStoreResult result = SaveOwnSystem(list_, files_, Design(), savedAt);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.fileName, "ESY1.csv");
    EXPECT_EQ(result.ownIndex, 0);
    EXPECT_EQ(dir_.Read("OwnSystems/ESY1.csv"), "1,2\r\n3,4\r\n5,6\r\n");
    EXPECT_EQ(IndexSize(), 272u);
    const TEigSysteme expected{2, 6, 0, 3, savedAt, "ESY1.csv"};
    EXPECT_EQ(list_, std::vector<TEigSysteme>{expected});
    EXPECT_EQ(Loaded(), list_);
    EXPECT_EQ(ReadOwnSystemRowsOf(files_, list_[0]),
              (std::vector<std::vector<int32_t>>{{1, 2}, {3, 4}, {5, 6}}));
}

TEST_F(OwnStoreTest, TimeStampCountsDaysSince30December1899) {
    EXPECT_DOUBLE_EQ(OwnSystemTimeStamp(1899, 12, 30, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(OwnSystemTimeStamp(2024, 3, 1, 12, 0, 0), 45352.5);
    const OwnSystemTime t = SplitOwnSystemTimeStamp(OwnSystemTimeStamp(2020, 3, 5, 14, 7, 9));
    EXPECT_EQ(t.year, 2020);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 5);
    EXPECT_EQ(t.hour, 14);
    EXPECT_EQ(t.minute, 7);
    EXPECT_EQ(t.second, 9);
    const OwnSystemTime late = SplitOwnSystemTimeStamp(45352.0 + 86399.9 / 86400.0);
    EXPECT_EQ(late.day, 2);  // rounds into the next day
    EXPECT_EQ(late.hour, 0);
}

TEST_F(OwnStoreTest, NewFileNameTakesTheFirstNumberFreeOfFilesAndRecords) {
    dir_.Write("OwnSystems/ESY1.csv", "x");
    dir_.Write("OwnSystems/ESY3.csv", "x");
    EXPECT_EQ(NewOwnSystemFileName(list_, files_.folder), "ESY2.csv");
    list_.push_back({2, 6, 0, 3, 0.0, "ESY2.csv"});  // a record whose file is gone
    list_.push_back({2, 6, 0, 3, 0.0, "ESY4.csv"});
    EXPECT_EQ(NewOwnSystemFileName(list_, files_.folder), "ESY5.csv");
    std::filesystem::create_symlink("nowhere", files_.folder / "ESY5.csv");
    EXPECT_EQ(NewOwnSystemFileName(list_, files_.folder), "ESY6.csv");
}

TEST_F(OwnStoreTest, NameFreeComparesExactly) {
    EXPECT_TRUE(OwnSystemNameFree({}, "ESY1.csv"));
    const std::vector<TEigSysteme> list{{2, 6, 0, 3, 0.0, "ESY1.csv"}};
    EXPECT_FALSE(OwnSystemNameFree(list, "ESY1.csv"));
    EXPECT_TRUE(OwnSystemNameFree(list, "esy1.csv"));
}

TEST_F(OwnStoreTest, ARowsFileLeftWithoutRecordIsNeverWrittenOver) {
    // A save killed after its rows file was in place, before the index.
    dir_.Write("OwnSystems/ESY1.csv", "7,8\r\n");
    ASSERT_TRUE(SaveOwnSystem(list_, files_, Design(), 1.0).ok);
    EXPECT_EQ(list_[0].fn, "ESY2.csv");
    EXPECT_EQ(dir_.Read("OwnSystems/ESY1.csv"), "7,8\r\n");
}

TEST_F(OwnStoreTest, DeleteWritesTheIndexAndRemovesTheRowsFile) {
    ASSERT_TRUE(SaveOwnSystem(list_, files_, Design(), 1.0).ok);
    ASSERT_TRUE(
        SaveOwnSystem(list_, files_, {3, 4, 3, {{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}}}, 2.0)
            .ok);
    const OwnStoreResult result = DeleteOwnSystem(list_, files_, 0);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.fileName, "ESY1.csv");
    EXPECT_FALSE(std::filesystem::exists(files_.folder / "ESY1.csv"));
    ASSERT_EQ(list_.size(), 1u);
    EXPECT_EQ(list_[0].fn, "ESY2.csv");
    EXPECT_EQ(Loaded(), list_);
    // The freed number is used again.
    EXPECT_EQ(NewOwnSystemFileName(list_, files_.folder), "ESY1.csv");
    ASSERT_TRUE(DeleteOwnSystem(list_, files_, 0).ok);
    EXPECT_EQ(IndexSize(), 0u);
    EXPECT_FALSE(DeleteOwnSystem(list_, files_, 0).ok);
}

TEST_F(OwnStoreTest, DeletingASystemWhoseRowsFileIsGoneRemovesTheRecord) {
    ASSERT_TRUE(SaveOwnSystem(list_, files_, Design(), 1.0).ok);
    std::filesystem::remove(files_.folder / "ESY1.csv");
    ASSERT_TRUE(DeleteOwnSystem(list_, files_, 0).ok);
    EXPECT_TRUE(list_.empty());
}

TEST_F(OwnStoreTest, DeleteNeverRemovesAFileOutsideTheFolder) {
    dir_.Write("victim.csv", "keep");
    list_ = {{2, 6, 0, 3, 0.0, "../victim.csv"}};
    ASSERT_TRUE(SaveOwnSystemIndex(files_.indexFile, list_));
    ASSERT_TRUE(DeleteOwnSystem(list_, files_, 0).ok);
    EXPECT_EQ(dir_.Read("victim.csv"), "keep");
}

TEST_F(OwnStoreTest, AFailedIndexWriteLeavesListIndexAndFolderAsTheyWere) {
    ASSERT_TRUE(SaveOwnSystem(list_, files_, Design(), 1.0).ok);
    const auto before = list_;
    // The index cannot be replaced: a folder stands in its place.
    std::filesystem::remove(files_.indexFile);
    std::filesystem::create_directory(files_.indexFile);
    const OwnStoreResult result = SaveOwnSystem(list_, files_, Design(), 2.0);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.problem.has_value());
    EXPECT_EQ(result.problem->id, MessageId::OwnSystemsSaveFailed);
    EXPECT_EQ(list_, before);
    EXPECT_FALSE(std::filesystem::exists(files_.folder / "ESY2.csv"));
    const OwnStoreResult deleted = DeleteOwnSystem(list_, files_, 0);
    EXPECT_FALSE(deleted.ok);
    EXPECT_EQ(list_, before);
    EXPECT_TRUE(std::filesystem::exists(files_.folder / "ESY1.csv"));
}

TEST_F(OwnStoreTest, TooManyRowsAreRefused) {
    OwnSystemDesign design = Design();
    design.rows.resize(65536, NumberSet{1, 2});
    const OwnStoreResult result = SaveOwnSystem(list_, files_, design, 1.0);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.problem.has_value());
    EXPECT_EQ(result.problem->id, MessageId::OwnSystemsTooManyRows);
    EXPECT_FALSE(std::filesystem::exists(files_.indexFile));
}

TEST_F(OwnStoreTest, DesignOfTestedRowsWithBankNumbers) {
    RowStore rows;
    rows.OwnRowCount = 3;
    rows.OwnPoolSize = 7;
    rows.OwnBankCount = 1;
    rows.OwnRowSets = {{1, 2}, {3, 4}, {5, 6}};
    const OwnRowsDesign d = DesignOfTestedOwnRows(rows, 2, 0);
    EXPECT_FALSE(d.problem.has_value());
    EXPECT_EQ(d.design.rowSize, 2);
    EXPECT_EQ(d.design.poolSize, 6);
    EXPECT_EQ(OwnSystemRowsFileText(d.design.rows), "1,2\r\n3,4\r\n5,6\r\n");
}

TEST(OwnRowsSaveCheck, TheStepsOfSaveAsSystemInOrder) {
    RowStore rows;
    OwnTestState test;
    EXPECT_EQ(CheckOwnRowsSave(true, false, rows, test), OwnSaveCheck::NoRows);
    EXPECT_EQ(CheckOwnRowsSave(false, true, rows, test), OwnSaveCheck::TestRunning);
    EXPECT_EQ(CheckOwnRowsSave(false, false, rows, test), OwnSaveCheck::NotParsed);
    rows.OwnRowsReady = true;
    EXPECT_EQ(CheckOwnRowsSave(false, false, rows, test), OwnSaveCheck::NotTested);
    // The save ran the test itself and the user stopped it: it goes on.
    EXPECT_EQ(CheckOwnRowsSave(false, false, rows, test, true), OwnSaveCheck::Ready);
    test.OwnRowsUnfit = true;
    EXPECT_EQ(CheckOwnRowsSave(false, false, rows, test, true), OwnSaveCheck::Unfit);
    test.OwnRowsUnfit = false;
    test.OwnRowsTested = true;
    EXPECT_EQ(CheckOwnRowsSave(false, false, rows, test), OwnSaveCheck::Ready);
}

TEST_F(OwnStoreTest, TestedOwnRowsWithABankNumberAreSavedAsTheirDesign) {
    RowStore rows;
    rows.OwnRows = {{1, 2, 7}, {3, 4, 7}, {5, 6, 7}};
    rows.OwnRowCount = 3;
    rows.OwnRowSize = 3;
    rows.OwnPool = {1, 2, 3, 4, 5, 6, 7};
    rows.OwnPoolSize = 7;
    rows.OwnRowsReady = true;
    OwnTestState test;
    const OwnRowsTestPlan plan = PrepareOwnRowsTest(rows, 49, test);
    ASSERT_FALSE(plan.problem.has_value());
    const OwnStoreResult saved = SaveTestedOwnRows(list_, files_, rows, test, 3.0);
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(list_[0], (TEigSysteme{2, 6, 0, 3, 3.0, "ESY1.csv"}));
    EXPECT_EQ(dir_.Read("OwnSystems/ESY1.csv"), "1,2\r\n3,4\r\n5,6\r\n");
}

}  // namespace
}  // namespace kombora
