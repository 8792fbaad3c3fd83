#include "catalogue/records.h"

#include <bit>
#include <cstring>

#include "io/text_encoding.h"

namespace kombora {

namespace {

void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v & 0xFF);
    p[1] = static_cast<uint8_t>(v >> 8);
}

uint16_t GetU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void PutF64(uint8_t* p, double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

double GetF64(const uint8_t* p) {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= uint64_t{p[i]} << (8 * i);
    return std::bit_cast<double>(bits);
}

}  // namespace

std::optional<OwnRecordBytes> EncodeOwnRecord(const TEigSysteme& system) {
    const std::string name = Utf8ToAnsi(system.fn);
    if (name.size() > 255) return std::nullopt;
    OwnRecordBytes bytes{};
    bytes[0] = system.RG;
    bytes[1] = system.WZ;
    bytes[2] = system.GA;
    PutU16(&bytes[4], system.TR);
    PutF64(&bytes[8], system.gesp);
    bytes[16] = static_cast<uint8_t>(name.size());
    std::memcpy(&bytes[17], name.data(), name.size());
    return bytes;
}

TEigSysteme DecodeOwnRecord(std::span<const uint8_t, kOwnRecordSize> bytes) {
    TEigSysteme system;
    system.RG = bytes[0];
    system.WZ = bytes[1];
    system.GA = bytes[2];
    system.TR = GetU16(&bytes[4]);
    system.gesp = GetF64(&bytes[8]);
    const std::size_t length = bytes[16];
    system.fn = AnsiToUtf8(std::string_view(reinterpret_cast<const char*>(&bytes[17]), length));
    return system;
}

}  // namespace kombora
