#include "catalogue/records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kombora {
namespace {

// A record as the index file holds it: RG 6, WZ 12, GA 3, TR 22, saved 2024-03-01 12:00
// (45352.5 days since 1899-12-30), rows file "ESY7.csv", garbage after the name.
OwnRecordBytes HandMadeRecord() {
    OwnRecordBytes b{};
    b[0] = 6;
    b[1] = 12;
    b[2] = 3;
    b[4] = 22;
    b[5] = 0;
    // 45352.5 as little-endian IEEE 754 double: 0x40E6251000000000
    const uint8_t gesp[8] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x25, 0xE6, 0x40};
    std::memcpy(&b[8], gesp, 8);
    b[16] = 8;
    std::memcpy(&b[17], "ESY7.csv", 8);
    b[25] = 'X';  // ignored when read
    return b;
}

TEST(OwnRecord, DecodesTheByteLayout) {
    const TEigSysteme s = DecodeOwnRecord(HandMadeRecord());
    EXPECT_EQ(s.RG, 6);
    EXPECT_EQ(s.WZ, 12);
    EXPECT_EQ(s.GA, 3);
    EXPECT_EQ(s.TR, 22);
    EXPECT_DOUBLE_EQ(s.gesp, 45352.5);
    EXPECT_EQ(s.fn, "ESY7.csv");
}

TEST(OwnRecord, EncodesByteForByteWithZerosAfterTheName) {
    OwnRecordBytes expected = HandMadeRecord();
    expected[25] = 0;
    const auto encoded = EncodeOwnRecord(DecodeOwnRecord(HandMadeRecord()));
    ASSERT_TRUE(encoded.has_value());
    EXPECT_EQ(*encoded, expected);
}

TEST(OwnRecord, RowCountUsesBothBytes) {
    TEigSysteme s;
    s.TR = 0x1234;
    s.fn = "a";
    const auto bytes = EncodeOwnRecord(s).value();
    EXPECT_EQ(bytes[4], 0x34);
    EXPECT_EQ(bytes[5], 0x12);
    EXPECT_EQ(DecodeOwnRecord(bytes).TR, 0x1234);
}

TEST(OwnRecord, NameInWindows1252IsReadAsText) {
    OwnRecordBytes b = HandMadeRecord();
    b[16] = 5;
    std::memcpy(&b[17],
                "M\xFC"
                "ll",
                4);  // "Müll" in Windows-1252
    b[21] = 0;
    b[16] = 4;
    EXPECT_EQ(DecodeOwnRecord(b).fn, "M\xC3\xBCll");
}

TEST(OwnRecord, NameLongerThan255BytesIsRefused) {
    TEigSysteme s;
    s.fn = std::string(255, 'a');
    EXPECT_TRUE(EncodeOwnRecord(s).has_value());
    s.fn += 'a';
    EXPECT_FALSE(EncodeOwnRecord(s).has_value());
}

}  // namespace
}  // namespace kombora
