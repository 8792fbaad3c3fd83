#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include "catalogue/builtin_designs.h"
#include "catalogue/own_index.h"
#include "support/temp_dir.h"

namespace kombora {
namespace {

using kombora::testing::TempDir;

TEigSysteme Own(uint8_t rg, uint8_t wz, uint8_t ga, uint16_t tr, std::string fn) {
    TEigSysteme s;
    s.RG = rg;
    s.WZ = wz;
    s.GA = ga;
    s.TR = tr;
    s.fn = std::move(fn);
    return s;
}

TEST(Catalogue, WithoutOwnSystemsHolds658Entries) {
    Catalogue c;
    EXPECT_EQ(c.Build({}, "/nonexistent"), 658);
    EXPECT_EQ(c.BaseSystemCount(), 658);
    EXPECT_EQ(c.MissingRowsFiles(), 0);
    for (int i = 0; i < kBuiltinCount; ++i) {
        ASSERT_EQ(c[i], BuiltinDesigns()[static_cast<std::size_t>(i)]) << i;
        ASSERT_LT(c[i].GA, c[i].RG) << i;  // no built-in system looks like a full system
    }
}

struct EntryCase {
    int32_t index;
    TSysteme expected;
};

class FullSystemEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(FullSystemEntries, SitAtTheirIndex) {
    Catalogue c;
    c.Build({}, "/nonexistent");
    EXPECT_EQ(c[GetParam().index], GetParam().expected);
    EXPECT_TRUE(c.IsFull(GetParam().index));
}

INSTANTIATE_TEST_SUITE_P(Table, FullSystemEntries,
                         ::testing::Values(EntryCase{519, {2, 3, 2, 3}},
                                           EntryCase{593, {2, 77, 2, 2926}},  // C(78,2) > 3000
                                           EntryCase{594, {3, 4, 3, 4}},
                                           EntryCase{618, {4, 5, 4, 5}},
                                           EntryCase{657, {8, 13, 8, 1287}}));

TEST(Catalogue, FullSystemsPerRowSize) {
    Catalogue c;
    c.Build({}, "/nonexistent");
    // k: entries, largest n
    const int expected[][3] = {{2, 75, 77}, {3, 24, 27}, {4, 13, 17}, {5, 9, 14},
                               {6, 7, 13},  {7, 6, 13},  {8, 5, 13}};
    for (const auto& [k, count, largest] : expected) {
        int found = 0;
        int maxN = 0;
        for (int i = kBuiltinCount; i < c.BaseSystemCount(); ++i) {
            if (c[i].RG != k) continue;
            ++found;
            maxN = std::max<int>(maxN, c[i].WZ);
        }
        EXPECT_EQ(found, count) << "k=" << k;
        EXPECT_EQ(maxN, largest) << "k=" << k;
    }
}

TEST(Catalogue, OwnSystemWithoutRowsFileIsCountedButNotListed) {
    TempDir dir;
    dir.Write("ESY2.csv", "1,2,3\n");
    const std::vector<TEigSysteme> own = {Own(3, 5, 2, 4, "ESY1.csv"), Own(3, 6, 2, 6, "ESY2.csv")};
    Catalogue c;
    EXPECT_EQ(c.Build(own, dir.path()), 659);
    EXPECT_EQ(c.MissingRowsFiles(), 1);
    EXPECT_EQ(c[658], (TSysteme{3, 6, 2, 6}));
    EXPECT_TRUE(c.IsOwn(658));
    // The entry points at the record it was built from, not at the first record.
    EXPECT_EQ(c.OwnSystemIndex(658), 1);
    EXPECT_EQ(c.CatalogueIndexOfOwn(1), 658);
    EXPECT_EQ(c.CatalogueIndexOfOwn(0), std::nullopt);
    EXPECT_EQ(c.OwnSystemIndex(657), std::nullopt);
}

TEST(Catalogue, RowsFileNamesOutsideTheFolderCountAsMissing) {
    TempDir dir;
    dir.Write("inner/ESY1.csv", "1,2,3\n");
    dir.Write("ESY1.csv", "1,2,3\n");
    const std::vector<TEigSysteme> own = {Own(3, 5, 2, 4, "../ESY1.csv"),
                                          Own(3, 5, 2, 4, "inner/ESY1.csv"), Own(3, 5, 2, 4, ""),
                                          Own(3, 5, 2, 4, ".."), Own(3, 5, 2, 4, "ESY1.csv")};
    Catalogue c;
    EXPECT_EQ(c.Build(own, dir.path() / "inner" / ".."), 659);
    EXPECT_EQ(c.MissingRowsFiles(), 4);
    EXPECT_EQ(c.OwnSystemIndex(658), 4);
}

TEST(Catalogue, RebuildingGivesTheSameCatalogue) {
    TempDir dir;
    dir.Write("a.csv", "1,2\n");
    const std::vector<TEigSysteme> own = {Own(2, 4, 2, 6, "a.csv")};
    Catalogue c;
    c.Build(own, dir.path());
    const auto first = c.entries();
    c.Build(own, dir.path());
    EXPECT_EQ(c.entries(), first);
    EXPECT_EQ(c.size(), 659);
}

TEST(SystemsInside, CountsEachFittingTipSizeAndBankCount) {
    Catalogue c;
    c.Build({}, "/nonexistent");
    EXPECT_EQ(SystemsInsideCount(c), 2621);

    // An own system of row size 3 fits tip sizes 4, 5, 6 and 7 (with 1..4 bank numbers).
    TempDir dir;
    dir.Write("x.csv", "1,2,3\n");
    c.Build({Own(3, 5, 2, 4, "x.csv"), Own(3, 5, 2, 4, "missing.csv")}, dir.path());
    EXPECT_EQ(SystemsInsideCount(c), 2625);
}

// Index files as the own-systems store writes them, and damaged ones.
TEST(OwnIndex, LoadsWholeRecordsAndIgnoresAPartialOne) {
    TempDir dir;
    const std::vector<TEigSysteme> own = {Own(5, 10, 3, 17, "ESY1.csv"),
                                          Own(6, 49, 3, 163, "ESY2.csv")};
    ASSERT_TRUE(SaveOwnSystemIndex(dir.path() / "ESySummary.esy", own));
    EXPECT_EQ(dir.Read("ESySummary.esy").size(), 2 * kOwnRecordSize);

    OwnIndexLoad load = LoadOwnSystemIndex(dir.path() / "ESySummary.esy");
    EXPECT_TRUE(load.fileExists);
    EXPECT_EQ(load.systems, own);
    EXPECT_EQ(load.trailingBytes, 0u);

    dir.Write("cut.esy", dir.Read("ESySummary.esy").substr(0, kOwnRecordSize + 100));
    load = LoadOwnSystemIndex(dir.path() / "cut.esy");
    ASSERT_EQ(load.systems.size(), 1u);
    EXPECT_EQ(load.systems[0], own[0]);
    EXPECT_EQ(load.trailingBytes, 100u);

    load = LoadOwnSystemIndex(dir.path() / "none.esy");
    EXPECT_FALSE(load.fileExists);
    EXPECT_TRUE(load.systems.empty());
}

TEST(OwnIndex, AFolderInPlaceOfTheFileIsNoCrash) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "ESySummary.esy");
    const OwnIndexLoad load = LoadOwnSystemIndex(dir.path() / "ESySummary.esy");
    EXPECT_TRUE(load.systems.empty());
}

}  // namespace
}  // namespace kombora
