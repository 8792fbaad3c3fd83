// Rows in files: the CSV file, the memo's text file, workbooks written and read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "io/text_encoding.h"
#include "own/own_rows_parser.h"
#include "own/rows_csv.h"
#include "own/workbook_export.h"
#include "own/workbook_import.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;

std::filesystem::path TestData(const std::string& name) {
    const char* root = std::getenv("KOMBORA_TEST_DATA");
    return std::filesystem::path(root ? root : "tests/data") / "own" / name;
}

TEST(RowsCsv, FieldsAreQuotedOnlyWhereNeeded) {
    EXPECT_EQ(CsvField("17"), "17");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a b"), "\"a b\"");
    EXPECT_EQ(CsvField("1,2"), "\"1,2\"");
    EXPECT_EQ(CsvField("say \"x\""), "\"say \"\"x\"\"\"");
    EXPECT_EQ(CsvField("tab\there"), "\"tab\there\"");
}

TEST(RowsCsv, GridFileHoldsTheRowsOnly) {
    const TextGrid grid = RowsGrid({{3, 17, 22, 31, 40, 45}, {1, 9, 13, 28, 33, 48}});
    ASSERT_EQ(grid[0][0], "Reihe");
    ASSERT_EQ(grid[0][1], "  Z. 1");
    EXPECT_EQ(GridCsvText(grid), "3,17,22,31,40,45\r\n1,9,13,28,33,48\r\n");
    EXPECT_EQ(GridCsvText(RowsGrid({})), "");

    TempDir dir;
    const auto file = dir.path() / "rows.csv";
    dir.Write("rows.csv", "old content that is longer than the new one");
    ASSERT_TRUE(SaveGridAsCsv(grid, file));
    EXPECT_EQ(dir.Read("rows.csv"), "3,17,22,31,40,45\r\n1,9,13,28,33,48\r\n");
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    std::string error;
    EXPECT_FALSE(SaveGridAsCsv(grid, dir.path() / "missing" / "rows.csv", &error));
    EXPECT_FALSE(error.empty());
}

TEST(RowsCsv, MemoTextInEveryEncoding) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"UTF-8 with mark",
         "\xEF\xBB\xBF"
         "1,2\r\n3,4\r\n",
         "1,2\n3,4\n"},
        {"UTF-8", "Zahl \xC3\xA4\n1,2", "Zahl \xC3\xA4\n1,2"},
        {"Windows-1252", "Zahl \xE4\r1,2", "Zahl \xC3\xA4\n1,2"},
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "1\0,\0"
                     "2\0\r\0\n\0\xE4\0",
                     14),
         "1,2\n\xC3\xA4"},
        {"UTF-16 BE",
         std::string("\xFE\xFF\0"
                     "1\0,\0"
                     "2\xD8\x3D\xDE\x00",
                     12),
         "1,2\xF0\x9F\x98\x80"},
        {"UTF-16 odd byte",
         std::string("\xFF\xFE"
                     "1\0"
                     "2",
                     5),
         "1\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("in.txt", c.bytes);
        std::string text;
        ASSERT_TRUE(LoadMemoText(dir.path() / "in.txt", text));
        EXPECT_EQ(text, c.text);
    }
    std::string text;
    std::string error;
    EXPECT_FALSE(LoadMemoText(dir.path() / "none.txt", text, &error));

    ASSERT_TRUE(SaveMemoText("1,2\n3,4\r\n5,6\r", dir.path() / "out.txt"));
    EXPECT_EQ(dir.Read("out.txt"), Utf8ToAnsi("1,2\r\n3,4\r\n5,6\r\n"));
}

TEST(Workbook, CellNames) {
    EXPECT_EQ(ExcelCellName(1, 1), "A1");
    EXPECT_EQ(ExcelCellName(7, 26), "Z7");
    EXPECT_EQ(ExcelCellName(1, 27), "AA1");
    EXPECT_EQ(ExcelCellName(2, 52), "AZ2");
    EXPECT_EQ(ExcelCellName(3, 53), "BA3");
    EXPECT_EQ(ExcelCellName(10, 702), "ZZ10");
    EXPECT_EQ(ExcelCellName(1, 703), "AAA1");
    EXPECT_EQ(ExcelCellName(1, 16384), "XFD1");
    EXPECT_EQ(ExcelCellName(0, 1), "");
}

TEST(Workbook, GridLayoutWithAndWithoutHeadings) {
    const TextGrid grid = RowsGrid({{4, 5, 6}, {1, 2, 3}});
    const std::string nbsp = "\xC2\xA0";
    const WorkbookSheet with = GridWorksheet(grid, "Tippreihen", 3, true);
    ASSERT_EQ(with.cells.size(), 3u);
    ASSERT_EQ(with.cells[0].size(), 4u);
    EXPECT_EQ(with.cells[0][0].text, nbsp + "Reihe");
    EXPECT_EQ(with.cells[0][1].text, nbsp + "  Z. 1");
    EXPECT_EQ(with.cells[1][0].text, nbsp + "1");
    EXPECT_EQ(with.cells[2][3].text, nbsp + "3");
    for (const auto& row : with.cells) {
        for (const auto& cell : row) EXPECT_EQ(cell.kind, WorkbookCell::Kind::Text);
    }
    // As wide as the widest text: "Reihe" and "  Z. 1" with the no-break space.
    EXPECT_EQ(with.columnWidths, (std::vector<double>{7, 8, 8, 8}));

    const WorkbookSheet without = GridWorksheet(grid, "Series of bets", 3, false);
    ASSERT_EQ(without.cells.size(), 2u);
    ASSERT_EQ(without.cells[0].size(), 3u);
    EXPECT_EQ(without.cells[0][0].text, nbsp + "4");
    EXPECT_EQ(without.columnWidths, (std::vector<double>{3, 3, 3}));
}

TEST(Workbook, SheetNamesTheSpreadsheetAccepts) {
    EXPECT_EQ(ValidSheetName("Tippreihen"), "Tippreihen");
    EXPECT_EQ(ValidSheetName("a/b[c]:d*e?f\\g"), "a_b_c__d_e_f_g");
    EXPECT_EQ(ValidSheetName(""), "Sheet1");
    EXPECT_EQ(ValidSheetName("'quoted'"), "_quoted_");
    EXPECT_EQ(ValidSheetName(std::string(40, 'x')), std::string(31, 'x'));
    EXPECT_EQ(ValidSheetName("\xC3\xA4" + std::string(40, 'x')), "\xC3\xA4" + std::string(30, 'x'));
}

// Rows -> workbook -> first sheet -> memo text -> parser -> the same rows.
TEST(Workbook, RoundTripGivesTheSameRows) {
    TempDir dir;
    const std::vector<std::vector<uint8_t>> rows = {
        {3, 17, 22, 31, 40, 45}, {1, 9, 13, 28, 33, 48}, {2, 4, 6, 8, 10, 12}};
    std::vector<std::vector<int>> ints;
    for (const auto& r : rows) ints.emplace_back(r.begin(), r.end());

    struct Case {
        const char* name;
        WorkbookSheet sheet;
    };
    const std::vector<Case> cases = {
        {"grid export", GridWorksheet(RowsGrid(ints), "Tippreihen", 6, false)},
        {"own rows export", OwnRowsWorksheet(rows, "Tabelle1")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = dir.path() / (std::string(c.name) + ".xlsx");
        const WorkbookWrite written = WriteWorkbook(file, c.sheet, true);
        ASSERT_TRUE(written.ok) << written.error;
        const SheetRead read = ReadFirstSheet(file);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.format, SheetFormat::Xlsx);
        const std::string memo = SheetMemoText(read);
        EXPECT_EQ(memo, "3,17,22,31,40,45\n1,9,13,28,33,48\n2,4,6,8,10,12");
        const ParseResult parsed = Verarbeitungsstart(memo, {0, true, 49});
        ASSERT_TRUE(parsed.ok());
        std::vector<std::vector<uint8_t>> sorted = rows;
        EXPECT_EQ(parsed.rows, sorted);
    }
}

TEST(Workbook, NewWorkbooksNeverOverwrite) {
    TempDir dir;
    const WorkbookSheet sheet = OwnRowsWorksheet({{1, 2}, {3, 4}}, "Sheet1");
    dir.Write("Own rows 2026-01-02 10-11-12.xlsx", "keep me");
    const auto first = WriteNewWorkbook(dir.path(), "Own rows", "2026-01-02 10-11-12", sheet);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->filename(), "Own rows 2026-01-02 10-11-12 (2).xlsx");
    const auto second = WriteNewWorkbook(dir.path(), "Own rows", "2026-01-02 10-11-12", sheet);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->filename(), "Own rows 2026-01-02 10-11-12 (3).xlsx");
    EXPECT_EQ(dir.Read("Own rows 2026-01-02 10-11-12.xlsx"), "keep me");
    EXPECT_TRUE(ReadFirstSheet(*second).ok());

    const WorkbookWrite again = WriteWorkbook(*second, sheet, false);
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.exists);

    std::string error;
    EXPECT_FALSE(WriteNewWorkbook(dir.path() / "missing", "x", "y", sheet, &error).has_value());
    EXPECT_FALSE(error.empty());
}

// The first worksheet of each format, laid out as the memo receives it.
TEST(SheetImport, FirstSheetOfEachFormat) {
    struct Case {
        const char* file;
        SheetFormat format;
        std::string memo;
    };
    const std::vector<Case> cases = {
        // Workbook in another folder, a chart sheet first, prefixed names, shared and inline
        // strings, cells without address, a boolean, a fraction, a line break in a text.
        {"layout.xlsx", SheetFormat::Xlsx, "7,8,9,\n4,,6,\n,,,\n,12,,TRUE\n1.5,,line break,"},
        // Header rows, repeated rows and cells, spaces, a note, trailing empty rows.
        {"layout.ods", SheetFormat::Ods, "a  b,,,\n7,7,,TRUE\n7,7,,TRUE\n,,,\n,,,\n,,,\n0.25,,,"},
        // Written by a spreadsheet program as Excel 97.
        {"layout.xls", SheetFormat::Xls, "7,8,9,\n4,,6,\n,,,\n,12,,x\n1.5,,text,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const SheetRead read = ReadFirstSheet(TestData(c.file));
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(SheetMemoText(read), c.memo);
    }
}

TEST(SheetImport, DamagedAndForeignFilesAreRefused) {
    TempDir dir;
    std::string xlsx;
    {
        const auto file = dir.path() / "good.xlsx";
        ASSERT_TRUE(WriteWorkbook(file, OwnRowsWorksheet({{1, 2}}, "S"), true).ok);
        xlsx = dir.Read("good.xlsx");
    }
    struct Case {
        const char* name;
        std::string bytes;
        SheetRead::Failure failure;
    };
    const std::vector<Case> cases = {
        {"empty file", "", SheetRead::Failure::Unreadable},
        {"text", "1,2,3\n4,5,6\n", SheetRead::Failure::Unreadable},
        {"truncated workbook", xlsx.substr(0, xlsx.size() / 2), SheetRead::Failure::Unreadable},
        {"zip header and nothing more", std::string("PK\x03\x04", 4) + "garbage",
         SheetRead::Failure::Unreadable},
        {"compound file that is no workbook",
         std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'),
         SheetRead::Failure::Unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetRead read = ReadFirstSheetFromBytes(c.bytes);
        EXPECT_EQ(read.failure, c.failure);
        EXPECT_TRUE(read.cells.empty());
    }
    EXPECT_EQ(ReadFirstSheet(TestData("foreign.zip")).failure, SheetRead::Failure::Unreadable);
    EXPECT_EQ(ReadFirstSheet(TestData("huge.ods")).failure, SheetRead::Failure::TooLarge);
    EXPECT_EQ(ReadFirstSheet(dir.path() / "none.xlsx").failure, SheetRead::Failure::Unreadable);
}

TEST(SheetImport, NumbersAsTheSpreadsheetShowsThem) {
    EXPECT_EQ(NumberText(7), "7");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(1.5), "1.5");
    EXPECT_EQ(NumberText(0.1), "0.1");
    EXPECT_EQ(NumberText(123456789012.0), "123456789012");
}

// The workbook as LibreOffice reads it, where LibreOffice is installed.
TEST(Workbook, LibreOfficeReadsTheLayout) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    }
    TempDir dir;
    const TextGrid grid = RowsGrid({{3, 17, 22}, {1, 9, 13}});
    ASSERT_TRUE(
        WriteWorkbook(dir.path() / "with.xlsx", GridWorksheet(grid, "Tippreihen", 3, true), true)
            .ok);
    ASSERT_TRUE(
        WriteWorkbook(dir.path() / "own.xlsx", OwnRowsWorksheet({{4, 5, 6}, {1, 2, 3}}, "T"), true)
            .ok);
    // A profile of its own, so that a running office or a first-start dialog does not stand
    // in the way; UTF-8 output.
    const std::string command =
        "cd '" + dir.path().string() + "' && timeout 180 soffice -env:UserInstallation=file://" +
        dir.path().string() +
        "/profile --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' "
        "with.xlsx own.xlsx >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string nbsp = "\xC2\xA0";
    EXPECT_EQ(dir.Read("with.csv"), nbsp + "Reihe," + nbsp + "  Z. 1," + nbsp + "  Z. 2," + nbsp +
                                        "  Z. 3\n" + nbsp + "1," + nbsp + "3," + nbsp + "17," +
                                        nbsp + "22\n" + nbsp + "2," + nbsp + "1," + nbsp + "9," +
                                        nbsp + "13\n");
    EXPECT_EQ(dir.Read("own.csv"), "4,5,6\n1,2,3\n");
}

}  // namespace
}  // namespace kombora
