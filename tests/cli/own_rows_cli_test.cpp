// kombora-cli parse, export and import.
#include <gtest/gtest.h>

#include <string>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::RunCli;
using kombora::testing::TempDir;

std::string Quoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
}

TEST(CliOwnRows, ParsePrintsRowsOrTheMessage) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string text;
        std::string options;
        int exitCode;
        std::string out;
        std::string err;  // the start of stderr
    };
    const std::vector<Case> cases = {
        {"rows", "6,5,4\r\n1,2,3\r\n", "", 0, "4 5 6\n1 2 3\n", ""},
        {"bad number", "1,2,3\n4,5,x\n", "", 1, "",
         "kombora-cli: Item \"x\" in line 2 is not a whole number.\n\nI will abort"},
        {"out of range", "1,2,50\n4,5,6\n", "--largest 49", 1, "",
         "kombora-cli: Number 50 in line 1 is outside the range of validity from 1 to 49."},
        {"semicolons", "1;2\n3;4\n", "--delimiter semicolon", 0, "1 2\n3 4\n", ""},
        {"blanks", "1  2\n3 4\n", "--delimiter spaces", 0, "1 2\n3 4\n", ""},
        {"trailing comma, not thorough", "1,2\n3,4,\n", "--no-thorough", 1, "",
         "kombora-cli: The first two rows contain"},
        {"brackets refused", "(1,2),(3,4)", "", 1, "",
         "kombora-cli: Am I correct in assuming that the individual rows are separated by "
         "brackets?"},
        {"brackets", "(1,2),(3,4)", "--brackets", 0, "1 2\n3 4\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = dir.Write("rows.txt", c.text);
        const auto r = RunCli("parse " + Quoted(file) + " " + c.options);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err);
    }
    EXPECT_EQ(RunCli("parse " + Quoted(dir.path() / "none.txt")).exitCode, 1);
    EXPECT_EQ(RunCli("parse x.txt --delimiter tab").exitCode, 2);
    EXPECT_EQ(RunCli("parse x.txt --largest 101").exitCode, 2);
}

TEST(CliOwnRows, ExportAndImportGiveTheRowsBack) {
    TempDir dir;
    const auto rows = dir.Write("rows.txt", "3 17 22\n1 9 13\n");
    const auto book = dir.path() / "rows.xlsx";
    auto r = RunCli("export " + Quoted(book) + " --from " + Quoted(rows));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli("import " + Quoted(book));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "3,17,22\n1,9,13\n");

    r = RunCli("export " + Quoted(book) + " --from " + Quoted(rows) + " --with-headings");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli("import " + Quoted(book));
    EXPECT_EQ(r.out, "Reihe,  Z. 1,  Z. 2,  Z. 3\n1,3,17,22\n2,1,9,13\n");

    const auto text = dir.Write("text.xlsx", "1,2,3\n");
    r = RunCli("import " + Quoted(text));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("text.xlsx"), std::string::npos);
    r = RunCli("export " + Quoted(dir.path() / "no" / "x.xlsx") + " --from " + Quoted(rows));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(RunCli("export " + Quoted(book)).exitCode, 2);
}

}  // namespace
}  // namespace kombora
