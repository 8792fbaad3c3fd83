// The one reader of an own system's rows file: its rules, and the files it must not be
// fooled by.
#include "own/own_rows_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>

#include "support/temp_dir.h"

namespace kombora {
namespace {

using Rows = std::vector<std::vector<int32_t>>;

// The record of every case: rows of 3 numbers out of 6, two rows.
constexpr TSysteme kShape{3, 6, 2, 2};

struct TextCase {
    const char* name;
    std::string text;
    MessageId refusal;              // the message when refused
    std::vector<std::string> args;  // its arguments after the file name; empty when read
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class OwnRowsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(OwnRowsText, ReadOrRefusedNamingFileLineAndItem) {
    const TextCase& c = GetParam();
    const OwnRowsRead read = ParseOwnRowsText(c.text, kShape, "ESY1.csv");
    if (c.args.empty()) {
        ASSERT_TRUE(read.ok()) << NoticeText(*read.problem, 1).value_or("");
        EXPECT_EQ(read.rows, (Rows{{1, 2, 3}, {4, 5, 6}}));
        return;
    }
    ASSERT_EQ(read.status, OwnRowsRead::Status::Refused);
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(read.problem->id, c.refusal);
    ASSERT_FALSE(read.problem->args.empty());
    EXPECT_EQ(read.problem->args[0], "ESY1.csv");
    EXPECT_EQ(std::vector<std::string>(read.problem->args.begin() + 1, read.problem->args.end()),
              c.args);
    EXPECT_TRUE(read.rows.empty());
}

using M = MessageId;
const std::string kBom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Table, OwnRowsText,
    ::testing::Values(
        // Read: the ways of writing the same two rows.
        TextCase{"CrLf", "1,2,3\r\n4,5,6\r\n", {}, {}}, TextCase{"Lf", "1,2,3\n4,5,6\n", {}, {}},
        TextCase{"CrOnly", "1,2,3\r4,5,6\r", {}, {}},
        TextCase{"NoFinalLineEnd", "1,2,3\r\n4,5,6", {}, {}},
        TextCase{"ByteOrderMark", kBom + "1,2,3\r\n4,5,6\r\n", {}, {}},
        TextCase{"BlanksAroundNumbers", " 1 ,2,\t3\r\n4, 5 ,6 \r\n", {}, {}},
        TextCase{"SkippedLines", "\r\n\"\"\r\n   \r\n1,2,3\r\n \"\" \r\n\n\r4,5,6\r\n\r\n", {}, {}},
        TextCase{"LeadingZero", "01,2,3\r\n4,5,6\r\n", {}, {}},
        // Refused: each names the line and the item.
        TextCase{
            "TrailingComma", "1,2,3,\r\n4,5,6\r\n", M::OwnSystemsRowsFileNotANumber, {"1", ""}},
        TextCase{"PlusSign", "+1,2,3\r\n4,5,6\r\n", M::OwnSystemsRowsFileNotANumber, {"1", "+1"}},
        TextCase{"MinusSign", "1,2,3\r\n-4,5,6\r\n", M::OwnSystemsRowsFileNotANumber, {"2", "-4"}},
        TextCase{"BlankInsideNumber",
                 "1,2,3\r\n4,5 6\r\n",
                 M::OwnSystemsRowsFileNotANumber,
                 {"2", "5 6"}},
        TextCase{
            "Semicolons", "1;2;3\r\n4,5,6\r\n", M::OwnSystemsRowsFileNotANumber, {"1", "1;2;3"}},
        TextCase{"DoubleByteOrderMark",
                 kBom + kBom + "1,2,3\r\n4,5,6\r\n",
                 M::OwnSystemsRowsFileNotANumber,
                 {"1", "\\u{FEFF}1"}},
        TextCase{"QuotedNumber",
                 "\"1\",2,3\r\n4,5,6\r\n",
                 M::OwnSystemsRowsFileNotANumber,
                 {"1", "\"1\""}},
        TextCase{"Zero", "0,2,3\r\n4,5,6\r\n", M::OwnSystemsRowsFileOutOfRange, {"1", "0", "6"}},
        TextCase{
            "AbovePool", "1,2,3\r\n4,5,7\r\n", M::OwnSystemsRowsFileOutOfRange, {"2", "7", "6"}},
        TextCase{"Huge",
                 "1,2,3\r\n4,5,99999999999999999999\r\n",
                 M::OwnSystemsRowsFileOutOfRange,
                 {"2", "99999999999999999999", "6"}},
        TextCase{"Repeated", "1,2,2\r\n4,5,6\r\n", M::OwnSystemsRowsFileRepeated, {"1", "2"}},
        TextCase{"ShortRow", "1,2\r\n4,5,6\r\n", M::OwnSystemsRowsFileWrongCount, {"1", "2", "3"}},
        TextCase{"LongRow",
                 "1,2,3\r\n\r\n4,5,6,1\r\n",
                 M::OwnSystemsRowsFileWrongCount,
                 {"3", "4", "3"}},
        TextCase{"TooFewRows", "1,2,3\r\n", M::OwnSystemsRowsFileTooFewRows, {"1", "2"}},
        TextCase{"Empty", "", M::OwnSystemsRowsFileTooFewRows, {"0", "2"}},
        TextCase{"Garbage", "garbage", M::OwnSystemsRowsFileNotANumber, {"1", "garbage"}},
        TextCase{"RowAfterTheLast",
                 "1,2,3\r\n4,5,6\r\n1,2,4\r\n",
                 M::OwnSystemsRowsFileTooManyRows,
                 {"3", "2", "1,2,4"}},
        TextCase{"TextAfterTheLast",
                 "1,2,3\r\n4,5,6\r\n\r\nend\r\n",
                 M::OwnSystemsRowsFileTooManyRows,
                 {"4", "2", "end"}},
        // What a message quotes is made safe: escapes, no raw control bytes, one line at most.
        TextCase{"TerminalEscape",
                 "1,2,\x1b[31mred\r\n4,5,6\r\n",
                 M::OwnSystemsRowsFileNotANumber,
                 {"1", "\\x1B[31mred"}},
        TextCase{
            "NotUtf8", "1,2,\xff\r\n4,5,6\r\n", M::OwnSystemsRowsFileNotANumber, {"1", "\\xFF"}},
        TextCase{"LongItem",
                 "1,2," + std::string(500, 'x') + "\r\n4,5,6\r\n",
                 M::OwnSystemsRowsFileNotANumber,
                 {"1", std::string(60, 'x') + "..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OwnRowsText, AFileNameWithControlCharactersIsQuotedSafely) {
    const OwnRowsRead read = ParseOwnRowsText("", kShape, "ESY\x1b]0;x\x07.csv");
    ASSERT_TRUE(read.problem.has_value());
    EXPECT_EQ(read.problem->args[0], "ESY\\x1B]0;x\\x07.csv");
}

TEST(OwnRowsText, StopsAfterTheRowsItNeeds) {
    // A million lines after the two rows cost no more than the first of them.
    std::string text = "1,2,3\n4,5,6\n";
    text += std::string(1'000'000, '\n');
    EXPECT_TRUE(ParseOwnRowsText(text, kShape, "f").ok());  // empty lines are skipped
    const OwnRowsRead refused =
        ParseOwnRowsText("1,2,3\n4,5,6\n7\n" + std::string(1'000'000, 'x'), kShape, "f");
    ASSERT_TRUE(refused.problem.has_value());
    EXPECT_EQ(refused.problem->id, MessageId::OwnSystemsRowsFileTooManyRows);
    EXPECT_EQ(refused.problem->args[1], "3");
}

// Files in a folder "OwnSystems" of a temporary folder.
class OwnRowsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(folder_); }
    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    testing::TempDir dir_;
    std::filesystem::path folder_ = dir_.path() / "OwnSystems";
};

TEST_F(OwnRowsFileTest, ReadsARegularFileAndALinkInsideTheFolder) {
    dir_.Write("OwnSystems/ESY1.csv", "1,2,3\r\n4,5,6\r\n");
    EXPECT_TRUE(ReadOwnRowsFile(folder_, "ESY1.csv", kShape).ok());
    std::filesystem::create_directories(folder_ / "old");
    dir_.Write("OwnSystems/old/rows.csv", "1,2,3\r\n4,5,6\r\n");
    std::filesystem::create_symlink("old/rows.csv", File("ESY2.csv"));
    EXPECT_TRUE(ReadOwnRowsFile(folder_, "ESY2.csv", kShape).ok());
}

TEST_F(OwnRowsFileTest, MissingFilesAndNamesThatAreNotPlainCountAsMissing) {
    dir_.Write("ESY1.csv", "1,2,3\r\n4,5,6\r\n");  // beside the folder, not in it
    for (const char* fn : {"ESY1.csv", "../ESY1.csv", "", "..", "sub/ESY1.csv"}) {
        const OwnRowsRead read = ReadOwnRowsFile(folder_, fn, kShape);
        EXPECT_EQ(read.status, OwnRowsRead::Status::Missing) << fn;
        EXPECT_FALSE(read.problem.has_value()) << fn;
    }
    std::filesystem::create_symlink("nowhere.csv", File("ESY2.csv"));  // a dangling link
    EXPECT_EQ(ReadOwnRowsFile(folder_, "ESY2.csv", kShape).status, OwnRowsRead::Status::Missing);
}

struct Refusal {
    const char* name;
    MessageId id;
};

TEST_F(OwnRowsFileTest, FilesThatAreNoRowsFileAreRefusedAtOnce) {
    // A link to a file outside the folder: never read, never quoted.
    dir_.Write("secret.txt", "\x1b[2J top secret\n");
    std::filesystem::create_symlink(dir_.path() / "secret.txt", File("ESY1.csv"));
    // A named pipe no one writes to: opening it for reading would wait for ever.
    ASSERT_EQ(::mkfifo(File("ESY2.csv").c_str(), 0600), 0);
    // A folder, and a link to an endless device.
    std::filesystem::create_directories(File("ESY3.csv"));
    std::filesystem::create_symlink("/dev/zero", File("ESY4.csv"));
    // Larger than two rows of three numbers can be.
    dir_.Write("OwnSystems/ESY5.csv",
               "1,2,3\r\n4,5,6\r\n" + std::string(OwnRowsFileSizeLimit(kShape), '\n'));

    const auto start = std::chrono::steady_clock::now();
    for (const Refusal& r : {Refusal{"ESY1.csv", MessageId::GeneralFileOutsideFolder},
                             Refusal{"ESY2.csv", MessageId::GeneralFileNotRegular},
                             Refusal{"ESY3.csv", MessageId::GeneralFileNotRegular},
                             Refusal{"ESY4.csv", MessageId::GeneralFileOutsideFolder},
                             Refusal{"ESY5.csv", MessageId::GeneralFileTooLarge}}) {
        const OwnRowsRead read = ReadOwnRowsFile(folder_, r.name, kShape);
        ASSERT_EQ(read.status, OwnRowsRead::Status::Refused) << r.name;
        EXPECT_EQ(read.problem->id, r.id) << r.name;
        const std::string text = NoticeText(*read.problem, 0).value_or("");
        EXPECT_NE(text.find(r.name), std::string::npos) << text;
        EXPECT_EQ(text.find("secret"), std::string::npos) << text;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace kombora
