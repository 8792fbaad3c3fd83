#include "io/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;

TEST(IniFile, MissingFileIsNotLoaded) {
    TempDir dir;
    EXPECT_FALSE(IniFile::Load(dir.path() / "Einstellungen.ini").has_value());
}

struct ReadCase {
    const char* text;
    const char* section;
    const char* key;
    int32_t fallback;
    int32_t expected;
};

class IniReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReads, ReadIntegerOrDefault) {
    const auto& c = GetParam();
    EXPECT_EQ(IniFile::Parse(c.text).ReadInteger(c.section, c.key, c.fallback), c.expected)
        << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniReads,
    ::testing::Values(
        ReadCase{"[Filter]\nZP=20\n", "Filter", "ZP", 12, 20},
        ReadCase{"[Filter]\nZP=20\n", "Filter", "GA", 2, 2},             // missing key
        ReadCase{"[Filter]\nZP=20\n", "Allgemein", "ZP", 12, 12},        // other section
        ReadCase{"[Filter]\nZP=zwanzig\n", "Filter", "ZP", 12, 12},      // no integer
        ReadCase{"[Filter]\nZP=20x\n", "Filter", "ZP", 12, 12},          // trailing text
        ReadCase{"[Filter]\nZP=\n", "Filter", "ZP", 12, 12},             // empty value
        ReadCase{"[Filter]\nZP=99999999999\n", "Filter", "ZP", 12, 12},  // beyond 32 bits
        ReadCase{"[Filter]\nZP = -3 \n", "Filter", "ZP", 12, -3},        // blanks around
        ReadCase{"[filter]\nzp=7\n", "Filter", "ZP", 12, 7},             // names ignore case
        ReadCase{"; comment\n[Filter]\nZP=5\n[Other]\nZP=9\n", "Filter", "ZP", 0, 5},
        // Written on Windows: byte-order mark and CRLF line ends.
        ReadCase{"\xEF\xBB\xBF[Allgemein]\r\nSprache=0\r\nbiggestZZ=90\r\n", "Allgemein",
                 "biggestZZ", 59, 90},
        ReadCase{"\xEF\xBB\xBF[Allgemein]\r\nSprache=0\r\n", "Allgemein", "Sprache", 1, 0}));

TEST(IniFile, BooleansAreIntegersAndAnyNonZeroIsTrue) {
    const IniFile ini = IniFile::Parse("[Filter]\nA=0\nB=1\nC=-5\nD=yes\n");
    EXPECT_FALSE(ini.ReadBool("Filter", "A", true));
    EXPECT_TRUE(ini.ReadBool("Filter", "B", false));
    EXPECT_TRUE(ini.ReadBool("Filter", "C", false));
    EXPECT_TRUE(ini.ReadBool("Filter", "D", true));  // no integer: the default
    EXPECT_FALSE(ini.ReadBool("Filter", "D", false));
}

TEST(IniFile, WritesKeysInTheOrderGivenAndKeepsOtherLines) {
    TempDir dir;
    const auto path = dir.Write("a.ini", "; mine\r\n[Filter]\r\nZP=1\r\nUnknown=abc\r\n");
    IniFile ini = IniFile::Load(path).value();
    ini.WriteInteger("Filter", "TR", 24);
    ini.WriteInteger("Filter", "ZP", 13);
    ini.WriteBool("Allgemein", "Flag", true);
    ini.WriteInteger("Allgemein", "Sprache", 1);
    ASSERT_TRUE(ini.Save(path));
    const std::string text = dir.Read("a.ini");
    const std::string expected =
        "; mine\n[Filter]\nZP=13\nUnknown=abc\nTR=24\n[Allgemein]\nFlag=1\nSprache=1\n";
#ifdef _WIN32
    (void)expected;
#else
    EXPECT_EQ(text, expected);
#endif
    const IniFile back = IniFile::Load(path).value();
    EXPECT_EQ(back.ReadInteger("Filter", "ZP", 0), 13);
    EXPECT_EQ(back.ReadInteger("Filter", "TR", 0), 24);
    EXPECT_EQ(back.ReadString("Filter", "Unknown"), "abc");
}

TEST(IniFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const auto path = dir.Write("keep.ini", "[A]\nx=1\n");
    IniFile ini;
    ini.WriteInteger("A", "x", 2);
    std::string error;
    EXPECT_FALSE(ini.Save(dir.path() / "no-such-folder" / "keep.ini", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.Read("keep.ini"), "[A]\nx=1\n");
    // Nothing is left behind beside the target.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace kombora
