#include "rows/apply_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/binomial.h"
#include "catalogue/builtin_designs.h"
#include "catalogue/builtin_rows.h"
#include "numbers/board.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;
using Rows = std::vector<std::vector<int32_t>>;

// A context with the real catalogue and own systems whose rows files live in a temporary
// folder.
class FormingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        context.folders.appDataFolder = dir.path();
        context.folders.ownSystemsFolder = dir.path();
        context.LargestNumber = 100;  // a lottery with every number of the board
        Rebuild();
    }

    void Rebuild() {
        context.catalogue.Build(context.OwnSystemList, context.folders.ownSystemsFolder);
    }

    // Adds an own system with the given rows-file content; returns its catalogue index.
    int32_t AddOwn(uint8_t rg, uint8_t wz, uint8_t ga, uint16_t tr, const std::string& content,
                   const std::string& fn = "") {
        const std::string name =
            fn.empty() ? "ESY" + std::to_string(context.OwnSystemList.size() + 1) + ".csv" : fn;
        dir.Write(name, content);
        context.OwnSystemList.push_back(TEigSysteme{rg, wz, ga, tr, 0.0, name});
        Rebuild();
        return *context.catalogue.CatalogueIndexOfOwn(
            static_cast<int32_t>(context.OwnSystemList.size() - 1));
    }

    int32_t FindFull(int rg, int wz) const {
        for (int32_t i = 0; i < context.catalogue.BaseSystemCount(); ++i) {
            const TSysteme& e = context.catalogue[i];
            if (e.GA == e.RG && e.RG == rg && e.WZ == wz) return i;
        }
        ADD_FAILURE() << "no full system " << rg << " out of " << wz;
        return -1;
    }

    // Chooses the system as the selection does and clicks the numbers on the board.
    void Choose(int32_t index, int tipSize, const std::vector<int>& changing,
                const std::vector<int>& bank = {}) {
        const TSysteme& e = context.catalogue[index];
        context.SelectedSystem = index;
        context.rows.TipSize = tipSize;
        context.rows.ChangingNeeded = e.WZ;
        context.rows.BankNeeded = tipSize - e.RG;
        BoardClear(context.rows);
        for (int n : changing) ASSERT_FALSE(BoardClick(context.rows, n).has_value()) << n;
        for (int n : bank) ASSERT_FALSE(BoardClick(context.rows, n).has_value()) << n;
    }

    TempDir dir;
    AppContext context;
};

const std::vector<int> kSeven{3, 8, 14, 22, 31, 40, 45};

TEST_F(FormingTest, SevenNumberFullSystem) {
    Choose(FindFull(6, 7), 6, kSeven);
    const FormingResult result = SystemAnwenden(context, true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.rowCount, 7);
    const Rows& tips = context.rows.TipRows;
    ASSERT_EQ(tips.size(), 7u);
    EXPECT_EQ(tips[0], (std::vector<int32_t>{3, 8, 14, 22, 31, 40}));
    EXPECT_EQ(tips[6], (std::vector<int32_t>{8, 14, 22, 31, 40, 45}));
    EXPECT_EQ(std::count(tips[0].begin(), tips[0].end(), 45), 0);
    for (int n = 1; n <= 100; ++n) {
        const bool chosen = std::find(kSeven.begin(), kSeven.end(), n) != kSeven.end();
        EXPECT_EQ(context.rows.NumberCounts[static_cast<std::size_t>(n)], chosen ? 6 : 0) << n;
    }
    EXPECT_EQ(CountCellColour(6, 7), CountColour::Yellow);
    EXPECT_EQ(context.rows.ComboSets.size(), 7u);
    EXPECT_TRUE(std::is_sorted(result.gridRows.begin(), result.gridRows.end()));
    EXPECT_EQ(GroupG1Caption(result.rowCount, 0), "7 Tippreihen");
    EXPECT_EQ(GroupG1Caption(result.rowCount, 1), "7 series of bets");
}

TEST_F(FormingTest, SevenNumberFullSystemWithBankNumber) {
    Choose(FindFull(6, 7), 7, kSeven, {1});
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    for (const auto& row : context.rows.TipRows) {
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(row[0], 1);
    }
    EXPECT_EQ(context.rows.NumberCounts[1], 7);
    EXPECT_EQ(CountCellColour(context.rows.NumberCounts[1], 7), CountColour::LimeGreen);
}

// A bank number that falls between the changing numbers breaks the generated order; the grid
// still ends in ascending order.
TEST_F(FormingTest, GridRowsEndSortedWithBankNumberInside) {
    Choose(FindFull(4, 9), 6, {2, 5, 11, 17, 23, 29, 36, 41, 47}, {20, 3});
    const FormingResult result = SystemAnwenden(context, true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.gridRows.size(), static_cast<std::size_t>(Binomial(9, 4)));
    EXPECT_TRUE(std::is_sorted(result.gridRows.begin(), result.gridRows.end()));
    Rows expected = context.rows.TipRows;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(result.gridRows, expected);
}

TEST_F(FormingTest, DesignNumbersStandForChosenNumbersInAscendingOrder) {
    // Design rows 1 2 / 2 3 / 1 3; the numbers are clicked in the order 30, 2, 17.
    const int32_t index = AddOwn(2, 3, 1, 3, "1,2\r\n2,3\r\n1,3\r\n");
    Choose(index, 2, {30, 2, 17});
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    EXPECT_EQ(context.rows.TipRows, (Rows{{2, 17}, {17, 30}, {2, 30}}));
    EXPECT_EQ(context.rows.OwnSystemRows, (Rows{{1, 2}, {2, 3}, {1, 3}}));
}

TEST_F(FormingTest, OwnRowWithBankNumbersComesOutAscending) {
    const int32_t index = AddOwn(3, 4, 2, 1, "1,2,4\r\n");
    Choose(index, 5, {23, 5, 17, 9}, {40, 1});
    const FormingResult result = SystemAnwenden(context, true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.gridRows, (Rows{{1, 5, 9, 23, 40}}));
    // The bank numbers stand in the single row: count 1 equals the row count but is not
    // above 1, so the cell is yellow.
    EXPECT_EQ(CountCellColour(context.rows.NumberCounts[40], 1), CountColour::Yellow);
}

TEST_F(FormingTest, OwnRowsFileToleratesBlankLinesSpacesAndQuotedEmptyLines) {
    const int32_t index = AddOwn(2, 3, 1, 2, "\r\n1,  2\n   \n\"\"\r\n 2 , 3 \r\n\r\n");
    Choose(index, 2, {4, 5, 6});
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    EXPECT_EQ(context.rows.TipRows, (Rows{{4, 5}, {5, 6}}));
}

TEST_F(FormingTest, OwnSystemIsFormedFromItsRowsWhateverItsRecordClaims) {
    // A guarantee equal to the row size and all C(4,2) rows in the record: the rows still
    // come from the file, in the file's order.
    const int32_t full = AddOwn(2, 4, 2, 6, "3,4\r\n1,2\r\n1,3\r\n1,4\r\n2,3\r\n2,4\r\n");
    EXPECT_EQ(KindOfEntry(context.catalogue, full), EntryKind::Own);
    Choose(full, 2, {1, 2, 3, 4});
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    EXPECT_EQ(context.rows.TipRows, (Rows{{3, 4}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}}));
    // The same record with a damaged file is refused, not generated.
    const int32_t damaged = AddOwn(2, 4, 2, 6, "garbage");
    Choose(damaged, 2, {1, 2, 3, 4});
    const FormingResult result = SystemAnwenden(context, true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message->id, MessageId::OwnSystemsRowsFileNotANumber);
}

TEST_F(FormingTest, StatisticsModeCountsWithoutGridRows) {
    Choose(FindFull(6, 7), 6, kSeven);
    const FormingResult result = SystemAnwenden(context, false);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.gridRows.empty());
    EXPECT_EQ(context.rows.NumberCounts[45], 6);
}

TEST_F(FormingTest, SmallerTipSizeAfterLargerGivesShorterRows) {
    Choose(FindFull(6, 7), 7, kSeven, {1});
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    Choose(FindFull(6, 7), 6, kSeven);
    const FormingResult result = SystemAnwenden(context, true);
    ASSERT_TRUE(result.ok);
    for (const auto& row : result.gridRows) EXPECT_EQ(row.size(), 6u);
    EXPECT_EQ(context.rows.NumberCounts[1], 0);
}

struct EntryCheckCase {
    const char* name;
    int tipSize;
    int changingClicks;  // how many of the seven numbers are chosen
    std::vector<int> bank;
    MessageId id;
    const char* german;
    const char* english;
};

class EntryCheckTest : public FormingTest, public ::testing::WithParamInterface<EntryCheckCase> {};

TEST_P(EntryCheckTest, RefusesAndLeavesTheLastRows) {
    const EntryCheckCase& c = GetParam();
    const int32_t index = FindFull(6, 7);
    Choose(index, 6, kSeven);
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    const RowStore formed = context.rows;

    const std::vector<int> some(kSeven.begin(), kSeven.begin() + c.changingClicks);
    Choose(index, c.tipSize, some, c.bank);
    const FormingResult result = SystemAnwenden(context, true);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->id, c.id);
    EXPECT_EQ(NoticeText(*result.message, 0), c.german);
    EXPECT_EQ(NoticeText(*result.message, 1), c.english);
    EXPECT_EQ(context.rows.TipRows, formed.TipRows);
    EXPECT_EQ(context.rows.NumberCounts, formed.NumberCounts);
    EXPECT_TRUE(result.gridRows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryCheckTest,
    ::testing::Values(
        EntryCheckCase{"TooFewChanging",
                       6,
                       5,
                       {},
                       MessageId::FormingChooseNumbers,
                       "Bitte wählen Sie 7 Tippahlen.\r\rIch breche erst einmal ab.",
                       "Please choose 7 tip numbers.\r\rI will abort first of all."},
        EntryCheckCase{
            "OneBankMissing",
            7,
            7,
            {},
            MessageId::FormingChooseNumbersOneBank,
            "Bitte wählen Sie 7 Tippahlen und eine Bankzahl.\r\rIch breche erst einmal ab.",
            "Please choose 7 tip numbers and one bank number.\r\rI will abort first of all."},
        EntryCheckCase{
            "OneOfTwoBankNumbers",
            8,
            7,
            {50},
            MessageId::FormingChooseNumbersBanks,
            "Bitte wählen Sie 7 Tippahlen und 2 Bankzahlen.\r\rIch breche erst einmal ab.",
            "Please choose 7 tip numbers and 2 bank numbers.\r\rI will abort first of all."},
        EntryCheckCase{"RowsLongerThanTipRow",
                       5,
                       7,
                       {},
                       MessageId::FormingRowsLongerThanTip,
                       "Die Reihen des gewählten Systems haben 6 Zahlen, eine Tippreihe aber nur "
                       "5. Bitte filtern Sie mit einer passenden Tippreihengröße.\r\rIch breche "
                       "erst einmal ab.",
                       "The rows of the selected system have 6 numbers, but a tip row has only "
                       "5. Please filter with a fitting tip-row size.\r\rI will abort first of "
                       "all."}),
    [](const auto& info) { return std::string(info.param.name); });

// Picked with 59 as the largest number, then the largest number lowered to 35: the numbers
// above it stay chosen but hidden, and forming refuses rather than put them into rows the
// lottery cannot play. Raised again, the same choice forms.
TEST_F(FormingTest, ChosenNumbersAboveTheLargestNumberAreRefused) {
    context.LargestNumber = 59;
    Choose(FindFull(6, 7), 7, {3, 8, 37, 14, 48, 22, 56}, {59});
    context.LargestNumber = 35;
    for (const bool formingMode : {true, false}) {
        const FormingResult result = SystemAnwenden(context, formingMode);
        EXPECT_FALSE(result.ok);
        ASSERT_TRUE(result.message.has_value());
        EXPECT_EQ(result.message->id, MessageId::BoardNumbersAboveLargest);
        EXPECT_EQ(NoticeText(*result.message, 1),
                  "These chosen numbers lie above the largest number 35: 37, 48, 56, 59. They are "
                  "hidden on the board and would end up in tip rows that your lottery cannot "
                  "play. Please set a larger largest number or clear the board.\r\rI will abort "
                  "first of all.");
        EXPECT_NE(NoticeText(*result.message, 0)->find("37, 48, 56, 59"), std::string::npos);
        EXPECT_TRUE(context.rows.TipRows.empty());
    }
    EXPECT_EQ(context.rows.ChangingCount, 7);  // the user's picks stay
    context.LargestNumber = 59;
    EXPECT_TRUE(SystemAnwenden(context, true).ok);
}

TEST_F(FormingTest, NoOrVanishedSystemIsRefused) {
    context.SelectedSystem = -1;
    EXPECT_EQ(SystemAnwenden(context, true).message->id, MessageId::FormingNoSystem);
    // An index beyond the catalogue (own systems deleted since the choice).
    Choose(FindFull(6, 7), 6, kSeven);
    context.SelectedSystem = context.catalogue.size();
    EXPECT_EQ(SystemAnwenden(context, true).message->id, MessageId::FormingNoSystem);
}

struct DamagedCase {
    const char* name;
    const char* content;  // rows file of an own system RG 3, WZ 5, TR 3
    MessageId id;
    std::vector<std::string> tail;  // message arguments after the file name
};

class DamagedRowsFileTest : public FormingTest,
                            public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedRowsFileTest, RefusedNamingFileAndLineAndNothingFormed) {
    const DamagedCase& c = GetParam();
    Choose(FindFull(6, 7), 6, kSeven);
    ASSERT_TRUE(SystemAnwenden(context, true).ok);
    const RowStore formed = context.rows;

    const int32_t index = AddOwn(3, 5, 2, 3, c.content);
    Choose(index, 3, {10, 20, 30, 40, 50});
    const FormingResult result = SystemAnwenden(context, true);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->id, c.id);
    ASSERT_GE(result.message->args.size(), 1u);
    EXPECT_NE(result.message->args[0].find("ESY1.csv"), std::string::npos);
    const std::vector<std::string> tail(result.message->args.begin() + 1,
                                        result.message->args.end());
    EXPECT_EQ(tail, c.tail);
    EXPECT_EQ(context.rows.TipRows, formed.TipRows);
    EXPECT_EQ(context.rows.NumberCounts, formed.NumberCounts);
    EXPECT_TRUE(context.rows.OwnSystemRows.empty());
    const auto text = NoticeText(*result.message, 1);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("ESY1.csv"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedRowsFileTest,
    ::testing::Values(DamagedCase{"TooFewLines",
                                  "1,2,3\r\n\r\n2,3,4\r\n",
                                  MessageId::OwnSystemsRowsFileTooFewRows,
                                  {"2", "3"}},
                      DamagedCase{
                          "EmptyFile", "", MessageId::OwnSystemsRowsFileTooFewRows, {"0", "3"}},
                      DamagedCase{"TooManyFields",
                                  "1,2,3\r\n2,3,4,5\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileWrongCount,
                                  {"2", "4", "3"}},
                      DamagedCase{"TooFewFields",
                                  "1,2,3\r\n2,3,4\r\n3,4\r\n",
                                  MessageId::OwnSystemsRowsFileWrongCount,
                                  {"3", "2", "3"}},
                      DamagedCase{"NotANumber",
                                  "1,2,3\r\n\r\n2,x3,4\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileNotANumber,
                                  {"3", "x3"}},
                      DamagedCase{"EmptyField",
                                  "1,,3\r\n2,3,4\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileNotANumber,
                                  {"1", ""}},
                      DamagedCase{"Zero",
                                  "0,2,3\r\n2,3,4\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileOutOfRange,
                                  {"1", "0", "5"}},
                      DamagedCase{"AbovePool",
                                  "1,2,3\r\n2,3,6\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileOutOfRange,
                                  {"2", "6", "5"}},
                      DamagedCase{"Huge",
                                  "1,2,3\r\n2,3,4\r\n3,4,99999999999999999999\r\n",
                                  MessageId::OwnSystemsRowsFileOutOfRange,
                                  {"3", "99999999999999999999", "5"}},
                      DamagedCase{"Repeated",
                                  "1,2,3\r\n2,2,4\r\n3,4,5\r\n",
                                  MessageId::OwnSystemsRowsFileRepeated,
                                  {"2", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormingTest, MissingRowsFileIsRefused) {
    const int32_t index = AddOwn(3, 5, 2, 1, "1,2,3\r\n");
    Choose(index, 3, {1, 2, 3, 4, 5});
    std::filesystem::remove(dir.path() / "ESY1.csv");
    const FormingResult result = SystemAnwenden(context, true);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(NoticeText(*result.message, 1),
              "The file containing the system series has been deleted. Therefore, the series "
              "cannot be created.\r\rI have to abort.");
}

TEST_F(FormingTest, BuiltinSystemFormsFromTheDesignDataOrFailsCleanly) {
    // Index 0: design rows 1 2 3 / 1 2 4 / 1 3 4 once the design data is in.
    Choose(0, 4, {40, 10, 20, 30}, {5});
    const FormingResult result = SystemAnwenden(context, true);
    if (BuiltinRows(0).empty()) {
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message->id, MessageId::FormingBuiltinRowsMissing);
        EXPECT_TRUE(context.rows.TipRows.empty());
        return;
    }
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.gridRows, (Rows{{5, 10, 20, 30}, {5, 10, 20, 40}, {5, 10, 30, 40}}));
}

// Every built-in system that has its rows applies to the numbers 1..WZ with every row
// holding RG different chosen numbers.
TEST_F(FormingTest, EveryBuiltinSystemWithRowsForms) {
    for (int32_t index = 0; index < kBuiltinCount; ++index) {
        if (BuiltinRows(index).empty()) continue;
        const TSysteme& e = context.catalogue[index];
        std::vector<int> pool(e.WZ);
        for (int i = 0; i < e.WZ; ++i) pool[static_cast<std::size_t>(i)] = i + 1;
        Choose(index, e.RG, pool);
        const FormingResult result = SystemAnwenden(context, true);
        ASSERT_TRUE(result.ok) << index;
        ASSERT_EQ(result.gridRows.size(), e.TR) << index;
        for (const auto& row : result.gridRows) {
            ASSERT_TRUE(std::adjacent_find(row.begin(), row.end(), std::greater_equal<>()) ==
                        row.end())
                << index;
            ASSERT_GE(row.front(), 1) << index;
        }
    }
}

TEST(SortGridRows, MatchesLexicographicOrder) {
    std::mt19937 engine(5);
    for (int count : {0, 1, 2, 3, 7, 64, 301}) {
        Rows rows;
        for (int i = 0; i < count; ++i) {
            std::vector<int32_t> row(4);
            for (auto& n : row) n = static_cast<int32_t>(engine() % 6 + 1);
            rows.push_back(row);
        }
        Rows expected = rows;
        std::sort(expected.begin(), expected.end());
        SortGridRows(rows);
        EXPECT_EQ(rows, expected) << count;
    }
}

TEST(SortGridRows, LaterColumnsDecideOnEquality) {
    Rows rows{{1, 5, 9}, {1, 5, 7}, {1, 2, 30}, {0, 40, 50}};
    SortGridRows(rows);
    EXPECT_EQ(rows, (Rows{{0, 40, 50}, {1, 2, 30}, {1, 5, 7}, {1, 5, 9}}));
}

TEST(CountCellColour, FollowsTheRowCount) {
    const std::vector<std::tuple<int, int, CountColour>> cases{
        {0, 7, CountColour::ButtonFace}, {7, 7, CountColour::LimeGreen},
        {6, 7, CountColour::Yellow},     {1, 1, CountColour::Yellow},
        {2, 2, CountColour::LimeGreen},  {1, 7, CountColour::Yellow}};
    for (const auto& [count, rows, colour] : cases) {
        EXPECT_EQ(CountCellColour(count, rows), colour) << count << " of " << rows;
    }
}

TEST(CollapseSpaces, RunsBecomeOneSpace) {
    const std::vector<std::pair<std::string, std::string>> cases{{"", ""},
                                                                 {"a  b", "a b"},
                                                                 {"   ", " "},
                                                                 {" 1,  2 ,3   ", " 1, 2 ,3 "},
                                                                 {"x\t\ty", "x\t\ty"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(CollapseSpaces(in), out) << in;
}

}  // namespace
}  // namespace kombora
