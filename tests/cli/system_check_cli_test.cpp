#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/binomial.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/catalogue.h"
#include "catalogue/own_index.h"
#include "evaluation/plain_evaluation.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::CountLines;
using kombora::testing::RunCli;
using kombora::testing::TempDir;

std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// The lines the commands print for a tally: k, C(wz, k), the counts for 1..k matches.
std::string ExpectedLines(const HitTally& tally, int wz, int first, int last) {
    std::ostringstream out;
    for (int k = first; k <= last; ++k) {
        out << k << '\t' << Binomial(wz, k);
        for (int m = 1; m <= k; ++m) out << '\t' << tally(k, m);
        out << '\n';
    }
    return out.str();
}

std::vector<std::vector<int>> RandomRows(int wz, int rowSize, int count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> pool(static_cast<std::size_t>(wz));
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < count; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        rows.emplace_back(pool.begin(), pool.begin() + rowSize);
    }
    return rows;
}

std::vector<NumberSet> Sets(const std::vector<std::vector<int>>& rows) {
    std::vector<NumberSet> sets;
    for (const auto& row : rows) {
        NumberSet set;
        for (int n : row) set.Add(n);
        sets.push_back(set);
    }
    return sets;
}

std::string RowsText(const std::vector<std::vector<int>>& rows, const char* separator) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += separator;
            text += std::to_string(row[i]);
        }
        text += '\n';
    }
    return text;
}

TEST(CliTestRows, ThreeRowSystem) {
    TempDir dir;
    const auto file = dir.Write("rows.txt", "1 2 3\n1,4,5\n\n2, 4 ,6\n");
    const auto r = RunCli("test-rows " + Quoted(file) + " --wz 6");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<NumberSet> rows = {{1, 2, 3}, {1, 4, 5}, {2, 4, 6}};
    EXPECT_EQ(r.out, ExpectedLines(EvaluateHitsPlain(rows, 6, 2, 3), 6, 2, 3));
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "2\t15\t6\t9");
}

struct RowsCase {
    int wz;
    int rowSize;
    int count;
    const char* threads;
};

class CliTestRowsRandom : public ::testing::TestWithParam<RowsCase> {};

TEST_P(CliTestRowsRandom, MatchThePlainAlgorithm) {
    const RowsCase& c = GetParam();
    TempDir dir;
    const auto rows = RandomRows(c.wz, c.rowSize, c.count, static_cast<unsigned>(c.wz));
    const auto file = dir.Write("rows.txt", RowsText(rows, ","));
    const auto r = RunCli("test-rows " + Quoted(file) + " --wz " + std::to_string(c.wz) +
                          " --threads " + c.threads + " --timing");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              ExpectedLines(EvaluateHitsPlain(Sets(rows), c.wz, 2, c.rowSize), c.wz, 2, c.rowSize));
    EXPECT_EQ(r.err.rfind("evaluation seconds: ", 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(Table, CliTestRowsRandom,
                         ::testing::Values(RowsCase{14, 10, 6, "1"}, RowsCase{20, 5, 25, "2"},
                                           RowsCase{30, 4, 40, "3"}));

struct BadFileCase {
    const char* text;
    const char* message;
};

class CliTestRowsBadFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(CliTestRowsBadFile, FailsNamingTheLine) {
    const BadFileCase& c = GetParam();
    TempDir dir;
    const auto file = dir.Write("rows.txt", c.text);
    const auto r = RunCli("test-rows " + Quoted(file) + " --wz 12");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliTestRowsBadFile,
    ::testing::Values(BadFileCase{"1 2 3\n1 x 3\n", "line 2: 'x' is no design number from 1 to 12"},
                      BadFileCase{"1 2 13\n", "line 1: '13' is no design number"},
                      BadFileCase{"1 2 3\n0 2 3\n", "line 2: '0' is no design number"},
                      BadFileCase{"1 2 3\n\n4 4 5\n", "line 3: the number 4 occurs twice"},
                      BadFileCase{"1 2 3\n1 2\n", "line 2: 2 numbers, but line 1 has 3"},
                      BadFileCase{"1 2 3 4 5 6 7 8 9 10 11\n", "line 1: 11 numbers"},
                      BadFileCase{"\n\n", "holds no rows"}));

TEST(CliTestRows, UsageFaultsExitWithTwo) {
    TempDir dir;
    const auto file = Quoted(dir.Write("rows.txt", "1 2 3\n"));
    EXPECT_EQ(RunCli("test-rows " + file).exitCode, 2);
    EXPECT_EQ(RunCli("test-rows " + file + " --wz 101").exitCode, 2);
    EXPECT_EQ(RunCli("test-rows " + file + " --wz 6 --threads 0").exitCode, 2);
    EXPECT_EQ(RunCli("test-rows " + Quoted(dir.path() / "none.txt") + " --wz 6").exitCode, 1);
}

// An own system in a data folder of its own.
class CliTestOwnSystem : public ::testing::Test {
  protected:
    void Save(const TEigSysteme& record, const std::string* rowsText) {
        std::filesystem::create_directories(dir_.path() / "OwnSystems");
        ASSERT_TRUE(SaveOwnSystemIndex(dir_.path() / "OwnSystems" / "ESySummary.esy", {record}));
        if (rowsText) dir_.Write("OwnSystems/" + record.fn, *rowsText);
        Catalogue catalogue;
        catalogue.Build({}, dir_.path());
        ownEntry_ = std::to_string(catalogue.BaseSystemCount());
    }
    std::string Test(const std::string& options) {
        return "--data-dir " + Quoted(dir_.path()) + " test " + ownEntry_ + " " + options;
    }

    TempDir dir_;
    std::string ownEntry_;
};

TEST_F(CliTestOwnSystem, LargestNumberAndTipSizeChooseTheFirstHitCount) {
    const auto rows = RandomRows(33, 5, 20, 33);
    const std::string text = RowsText(rows, ",");
    Save({5, 33, 3, 20, 45000.0, "ESY1.csv"}, &text);
    const HitTally plain = EvaluateHitsPlain(Sets(rows), 33, 2, 5);

    // 33 + 5 - 33 = 5: only hit count 5 is possible.
    auto r = RunCli(Test("--largest 33"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ExpectedLines(plain, 33, 5, 5));
    // 33 + 5 - 36 = 2: the whole range.
    r = RunCli(Test("--largest 36 --threads 2"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, ExpectedLines(plain, 33, 2, 5));
    // The default lottery 6 out of 49 and a tip row with one bank number: 33 + 6 - 49 < 2.
    r = RunCli(Test("--tip 6"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CountLines(r.out), 4);
    // A tip row shorter than the system's rows is a usage fault.
    EXPECT_EQ(RunCli(Test("--tip 4")).exitCode, 2);
}

TEST_F(CliTestOwnSystem, DamagedRowsFileFailsNamingTheLine) {
    const std::string text = "1,2,3\n1,2,zwei\n";
    Save({3, 6, 2, 2, 45000.0, "ESY1.csv"}, &text);
    const auto r = RunCli(Test(""));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("in line 2, \"zwei\" is not a whole number"), std::string::npos) << r.err;
}

TEST(CliTest, FullSystemNeedsNoRows) {
    TempDir dir;
    Catalogue catalogue;
    catalogue.Build({}, dir.path());
    int full = -1;
    for (int i = 0; i < catalogue.BaseSystemCount(); ++i) {
        if (catalogue.IsFull(i) && catalogue[i].RG == 3 && catalogue[i].WZ == 7) full = i;
    }
    ASSERT_GE(full, 0);
    const auto r = RunCli("--data-dir " + Quoted(dir.path()) + " test " + std::to_string(full));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2\t21\t0\t21\n3\t35\t0\t0\t35\n");
}

TEST(CliTest, BuiltinSystemOfFortyNineNumbers) {
    TempDir dir;
    const auto r =
        RunCli("--data-dir " + Quoted(dir.path()) + " test 391 --largest 90 --tip 6 --timing");
    if (BuiltinRows(391).empty()) {
        // Without its design rows the entry cannot be tested.
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("not available"), std::string::npos) << r.err;
        return;
    }
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(CountLines(r.out), 5);
    // Each line's counts add up to its draws: the design covers every number of the pool.
    std::istringstream lines(r.out);
    for (int k = 2; k <= 6; ++k) {
        int hitCount = 0;
        int64_t draws = 0;
        lines >> hitCount >> draws;
        EXPECT_EQ(hitCount, k);
        EXPECT_EQ(draws, Binomial(49, k));
        int64_t sum = 0;
        for (int m = 1; m <= k; ++m) {
            int64_t c = 0;
            lines >> c;
            sum += c;
        }
        EXPECT_EQ(sum, draws) << k;
    }
}

TEST(CliTest, IndexOutsideTheCatalogueIsAUsageFault) {
    TempDir dir;
    EXPECT_EQ(RunCli("--data-dir " + Quoted(dir.path()) + " test 5000").exitCode, 2);
    EXPECT_EQ(RunCli("--data-dir " + Quoted(dir.path()) + " test 391 --largest 20").exitCode, 2);
}

}  // namespace
}  // namespace kombora
