#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/binomial.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "evaluation/draws.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::RunCli;
using kombora::testing::TempDir;

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

TEST(CliCheck, PrintsEveryRowAndTheSummaryFromTheTop) {
    TempDir dir;
    const auto file = dir.Write("rows.txt",
                                "1 2 3 4 5 6\n3 7 12 25 33 40\n\n9 10 11 12 13 14\n"
                                "41 33 25 12 7 3\n20 21 22 23 24 26\n");
    const auto r = RunCli("check --draw \"3 7 12 25 33 41\" --extra 9 " + Quoted(file));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "1 2 3 4 5 6\t1\n"
              "3 7 12 25 33 40\t5\n"
              "9 10 11 12 13 14\t1+1\n"
              "41 33 25 12 7 3\t6\n"
              "20 21 22 23 24 26\t0\n"
              "\n"
              "6\t1\n"
              "5\t1\n"
              "1\t2\n"
              "0\t1\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliCheck, AnotherLotteryAndNoExtraNumber) {
    TempDir dir;
    const auto file = dir.Write("rows.txt", "80 81 82 83 84\n1 2 3 4 5\n");
    const auto r = RunCli("check --draw 80,81,2,90,70 --largest 90 --drawn 5 " + Quoted(file));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "80 81 82 83 84\t2\n1 2 3 4 5\t1\n\n2\t1\n1\t1\n");
}

struct BadCheckCase {
    const char* arguments;
    int exitCode;
    const char* message;
};

class CliCheckFaults : public ::testing::TestWithParam<BadCheckCase> {};

TEST_P(CliCheckFaults, ExitWithTheMessageOnStderr) {
    const BadCheckCase& c = GetParam();
    TempDir dir;
    dir.Write("rows.txt", "1 2 3 4 5 6\n");
    dir.Write("bad.txt", "1 2 3 4 5 6\n1 2 3 4 5 x\n");
    const std::string arguments = c.arguments;
    std::string command = "check ";
    // ROWS and BAD stand for the two files.
    for (std::size_t at = 0; at < arguments.size();) {
        if (arguments.compare(at, 4, "ROWS") == 0) {
            command += Quoted(dir.path() / "rows.txt");
            at += 4;
        } else if (arguments.compare(at, 3, "BAD") == 0) {
            command += Quoted(dir.path() / "bad.txt");
            at += 3;
        } else {
            command += arguments[at++];
        }
    }
    const auto result = RunCli(command);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliCheckFaults,
    ::testing::Values(BadCheckCase{"--draw \"3 7 12 25 7 41\" ROWS", 2,
                                   "Number 7 appears more than once among the drawn numbers."},
                      BadCheckCase{"--draw \"3 7 12 25 33 50\" ROWS", 2,
                                   "The drawn number 50 is outside the range from 1 to 49."},
                      BadCheckCase{"--draw \"3 7 12 25 33\" ROWS", 2,
                                   "Only 5 numbers are given, but the lottery draws 6."},
                      BadCheckCase{"--draw \"3 7 12 25 33 41 42\" ROWS", 2,
                                   "7 numbers are given, but the lottery draws only 6."},
                      BadCheckCase{"--draw \"3 7 12 zz 33 41\" ROWS", 2,
                                   "Item \"zz\" among the drawn numbers is not a whole number."},
                      BadCheckCase{"--draw \"3 7 12 25 33 41\" --extra 41 ROWS", 2,
                                   "The extra number 41 is already one of the drawn numbers."},
                      BadCheckCase{"ROWS", 2, "--draw is required"},
                      BadCheckCase{"--draw \"3 7 12 25 33 41\" BAD", 1,
                                   "bad.txt, line 2: 'x' is no number from 1 to 49"},
                      BadCheckCase{"--draw \"3 7 12 25 33 41\" none.txt", 1,
                                   "cannot read the rows file"}));

// Every draw of `drawn` out of 1..largest: how many leave the best row with m matches, and how
// many rows have m matches, summed over all draws.
void CountEveryDraw(const std::vector<NumberSet>& rows, int rowSize, int largest, int drawn,
                    std::vector<int64_t>& best, std::vector<int64_t>& rowsWith) {
    best.assign(static_cast<std::size_t>(rowSize + 1), 0);
    rowsWith.assign(static_cast<std::size_t>(rowSize + 1), 0);
    DrawEnumerator draw(largest, drawn);
    while (draw.Next()) {
        const NumberSet set = draw.Set();
        int top = 0;
        for (const NumberSet& row : rows) {
            const int m = row.IntersectionCount(set);
            top = std::max(top, m);
            ++rowsWith[static_cast<std::size_t>(m)];
        }
        ++best[static_cast<std::size_t>(top)];
    }
}

// The printed odds against the direct count: one line per m = 0..rowSize, each value with at
// least 12 significant digits and within 1e-14 of the exact value.
void ExpectOddsLines(const std::string& out, const std::vector<NumberSet>& rows, int rowSize,
                     int largest, int drawn) {
    std::vector<int64_t> best;
    std::vector<int64_t> rowsWith;
    CountEveryDraw(rows, rowSize, largest, drawn, best, rowsWith);
    const auto total = static_cast<long double>(Binomial(largest, drawn));
    std::istringstream in(out);
    std::string line;
    int m = 0;
    for (; std::getline(in, line); ++m) {
        ASSERT_LE(m, rowSize) << line;
        std::istringstream fields(line);
        std::string matches;
        std::string probability;
        std::string expected;
        ASSERT_TRUE(std::getline(fields, matches, '\t') &&
                    std::getline(fields, probability, '\t') && std::getline(fields, expected))
            << line;
        EXPECT_EQ(matches, std::to_string(m));
        const long double p = static_cast<long double>(best[static_cast<std::size_t>(m)]) / total;
        const long double e =
            static_cast<long double>(rowsWith[static_cast<std::size_t>(m)]) / total;
        EXPECT_NEAR(static_cast<double>(std::stold(probability)), static_cast<double>(p),
                    1e-14 * std::max(1.0, static_cast<double>(p)))
            << line;
        EXPECT_NEAR(static_cast<double>(std::stold(expected)), static_cast<double>(e),
                    1e-13 * std::max(1.0, static_cast<double>(e)))
            << line;
        if (p > 0) {
            const auto digits = probability.substr(probability.find_first_not_of("0."));
            EXPECT_GE(digits.size(), 12u + (digits.find('.') != std::string::npos)) << line;
        }
    }
    EXPECT_EQ(m, rowSize + 1);
}

TEST(CliOdds, CatalogueSystemAgreesWithEveryDrawOfSixOutOfTwenty) {
    TempDir dir;
    const int index = 279;  // RG 6, WZ 10, GA 3, 10 rows
    const TSysteme& entry = kBuiltinTable[index];
    std::vector<NumberSet> rows;
    for (int r = 1; r <= entry.TR; ++r) {
        NumberSet set;
        for (int c = 1; c <= entry.RG; ++c) set.Add(DesignNumber(index, r, c));
        rows.push_back(set);
    }
    const auto r = RunCli("--data-dir " + Quoted(dir.path()) + " odds " + std::to_string(index) +
                          " --largest 20 --drawn 6");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ExpectOddsLines(r.out, rows, 6, 20, 6);
    // The default lottery draws as many numbers as a row holds.
    EXPECT_EQ(RunCli("--data-dir " + Quoted(dir.path()) + " odds " + std::to_string(index) +
                     " --largest 20")
                  .out,
              r.out);
}

TEST(CliOdds, RowsFileAgreesWithEveryDraw) {
    TempDir dir;
    std::mt19937 random(5);
    std::vector<int> pool(13);
    std::iota(pool.begin(), pool.end(), 1);
    std::string text;
    std::vector<NumberSet> rows;
    for (int r = 0; r < 12; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        NumberSet set;
        for (int i = 0; i < 5; ++i) {
            text += std::to_string(pool[static_cast<std::size_t>(i)]) + (i < 4 ? " " : "\n");
            set.Add(pool[static_cast<std::size_t>(i)]);
        }
        rows.push_back(set);
    }
    const auto file = dir.Write("rows.txt", text);
    const auto r = RunCli("odds --rows " + Quoted(file) + " --pool 13 --largest 21 --drawn 7");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ExpectOddsLines(r.out, rows, 5, 21, 7);
}

TEST(CliOdds, SixOutOf49OfTheFullSystemOfOneRow) {
    TempDir dir;
    const auto file = dir.Write("rows.txt", "1 2 3 4 5 6\n");
    const auto r = RunCli("odds --rows " + Quoted(file) + " --pool 6");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string last = r.out.substr(r.out.rfind("6\t"));
    EXPECT_EQ(last, "6\t0.0000000715112384201852\t0.0000000715112384201852\n");
}

TEST(CliOdds, UsageFaultsExitWithTwo) {
    TempDir dir;
    const auto file = Quoted(dir.Write("rows.txt", "1 2 3\n"));
    const std::string data = "--data-dir " + Quoted(dir.path()) + " ";
    for (const std::string& arguments : std::vector<std::string>{
             "odds",
             "odds 279 --rows " + file + " --pool 6",
             "odds --rows " + file,
             "odds --pool 6",
             "odds 279 --largest 9",  // the pool of 10 does not fit
             "odds 279 --drawn 11",   // beyond the engine
             "odds 279 --largest 20 --drawn 0",
             "odds 99999",
         }) {
        const auto r = RunCli(data + arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments << ": " << r.err;
        EXPECT_EQ(r.out, "") << arguments;
    }
    EXPECT_EQ(RunCli("odds --rows " + Quoted(dir.path() / "none.txt") + " --pool 6").exitCode, 1);
}

}  // namespace
}  // namespace kombora
