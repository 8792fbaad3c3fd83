#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kombora {

// One catalogue entry.
struct TSysteme {
    uint8_t RG = 0;   // numbers per row, bank numbers not included
    uint8_t WZ = 0;   // pool size: rows use design numbers 1..WZ
    uint8_t GA = 0;   // guarantee; 0 = none, GA == RG for a full system
    uint16_t TR = 0;  // number of rows

    friend bool operator==(const TSysteme&, const TSysteme&) = default;
};

// One own system, as kept in the own-systems list and in the index file.
struct TEigSysteme {
    uint8_t RG = 0;
    uint8_t WZ = 0;
    uint8_t GA = 0;
    uint16_t TR = 0;
    double gesp = 0.0;  // time of saving: days since 1899-12-30 plus the fraction of the day
    std::string fn;     // rows-file name in the own-systems folder, UTF-8

    friend bool operator==(const TEigSysteme&, const TEigSysteme&) = default;
};

inline constexpr std::size_t kOwnRecordSize = 272;
using OwnRecordBytes = std::array<uint8_t, kOwnRecordSize>;

// The 272-byte little-endian file record. The file name is written as one length byte and
// the name in the ANSI code page; nullopt when the name does not fit 255 bytes.
std::optional<OwnRecordBytes> EncodeOwnRecord(const TEigSysteme& system);

// Reads a record written by EncodeOwnRecord (or by an earlier version of the program); the
// name is accepted in UTF-8 or Windows-1252. Bytes after the name are ignored.
TEigSysteme DecodeOwnRecord(std::span<const uint8_t, kOwnRecordSize> bytes);

}  // namespace kombora
