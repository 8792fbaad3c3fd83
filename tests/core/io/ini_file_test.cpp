#include "io/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
    // The file's own line ends, for the lines kept and the lines added.
    EXPECT_EQ(dir.Read("a.ini"),
              "; mine\r\n[Filter]\r\nZP=13\r\nUnknown=abc\r\nTR=24\r\n[Allgemein]\r\nFlag=1\r\n"
              "Sprache=1\r\n");
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

// Files as other programs, editors and damaged disks leave them: saved without a change they
// come back byte for byte, and what they hold reads the same before and after a save.
struct RoundTripCase {
    const char* name;
    std::string text;
    int32_t sprache;  // what [Allgemein] Sprache reads (default 5)
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

class IniRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(IniRoundTrip, KeepsEveryByteAndEveryMeaning) {
    const RoundTripCase& c = GetParam();
    IniFile ini = IniFile::Parse(c.text);
    EXPECT_EQ(ini.ReadInteger("Allgemein", "Sprache", 5), c.sprache);
    EXPECT_EQ(ini.Text(), c.text);
    // Writing the program's keys changes only them.
    ini.WriteInteger("Filter", "ZP", 13);
    const IniFile saved = IniFile::Parse(ini.Text());
    EXPECT_EQ(saved.ReadInteger("Allgemein", "Sprache", 5), c.sprache);
    EXPECT_EQ(saved.ReadInteger("Filter", "ZP", 0), 13);
    EXPECT_EQ(saved.Text(), ini.Text());
}

const std::string kBom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Files, IniRoundTrip,
    ::testing::Values(
        // "[]" starts a section no one reads: its key stays unread after a save as well.
        RoundTripCase{"EmptyHeader", "[Allgemein]\r\n[]\r\nSprache=1\r\n", 5},
        RoundTripCase{"EmptyHeaderFirst", "[]\nSprache=1\n[Allgemein]\nSprache=0\n", 0},
        // One byte-order mark or two: the first section is read either way.
        RoundTripCase{"ByteOrderMark", kBom + "[Allgemein]\r\nSprache=0\r\n", 0},
        RoundTripCase{"DoubleByteOrderMark", kBom + kBom + "[Allgemein]\r\nSprache=0\r\n", 0},
        RoundTripCase{"CarriageReturns", "[Allgemein]\rSprache=0\r[Filter]\rZP=20\r", 0},
        RoundTripCase{"MixedLineEnds", "[Allgemein]\r\nSprache=0\n\n; note\r[X]\ny=1", 0},
        RoundTripCase{"NoFinalLineEnd", "[Allgemein]\nSprache=0", 0},
        RoundTripCase{"OddSpacing", "  [ Allgemein ] ; main\n  Sprache =  0 \n", 0},
        RoundTripCase{"Comments", "; Sprache=0\n[Allgemein]\n;Sprache=0\nnot an entry\n", 5},
        RoundTripCase{"Windows1252", "; Gr\xfc\xdf" "e\n[Allgemein]\nSprache=0\nName=J\xf6rg\n", 0},
        RoundTripCase{"Utf8",
                      "; Gr\xc3\xbc\xc3\x9f"
                      "e\n[Allgemein]\nSprache=0\n",
                      0},
        RoundTripCase{"ControlBytes", "\x01\x02\n[Allgemein]\nSprache=0\x1b\n", 5},
        RoundTripCase{"Empty", "", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, WrittenValueKeepsTheLineWhenItIsTheSame) {
    IniFile ini = IniFile::Parse("[Filter]\r\n  ZP = 13 ; kept\r\nGA=2\r\n");
    ini.WriteInteger("Filter", "GA", 3);
    ini.WriteInteger("Filter", "ZP", 13);  // "13 ; kept" is no integer: the line changes
    ini.WriteInteger("Filter", "GA", 3);
    EXPECT_EQ(ini.Text(), "[Filter]\r\nZP=13\r\nGA=3\r\n");
    IniFile same = IniFile::Parse("[Filter]\n  ZP = 13\n");
    same.WriteInteger("Filter", "ZP", 13);
    EXPECT_EQ(same.Text(), "[Filter]\n  ZP = 13\n");
}

TEST(IniFile, OnlyARegularFileOfBoundedSizeIsLoaded) {
    TempDir dir;
    ReadRefusal refusal = ReadRefusal::None;
    dir.Write("big.ini", "[Allgemein]\nSprache=0\n" + std::string(IniFile::kMaxBytes, '\n'));
    EXPECT_FALSE(IniFile::Load(dir.path() / "big.ini", {}, &refusal).has_value());
    EXPECT_EQ(refusal, ReadRefusal::TooLarge);
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.ini").c_str(), 0600), 0);
    EXPECT_FALSE(IniFile::Load(dir.path() / "pipe.ini", {}, &refusal).has_value());
    EXPECT_EQ(refusal, ReadRefusal::NotRegular);
    std::filesystem::create_directories(dir.path() / "app");
    std::filesystem::create_symlink(dir.path() / "big.ini", dir.path() / "app" / "x.ini");
    EXPECT_FALSE(IniFile::Load(dir.path() / "app" / "x.ini", dir.path() / "app", &refusal));
    EXPECT_EQ(refusal, ReadRefusal::OutsideFolder);
}

}  // namespace
}  // namespace kombora
