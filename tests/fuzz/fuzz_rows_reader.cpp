// The own-system rows reader on any bytes. The first three bytes choose the record (RG, WZ
// and TR, small enough that short inputs can satisfy it); the rest is the file. Whatever it
// is, the reader either returns rows that keep every rule or refuses with a message whose
// quoted parts hold no control character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/text_encoding.h"
#include "own/own_rows_file.h"

using namespace kombora;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const TSysteme shape{static_cast<uint8_t>(data[0] % 12), static_cast<uint8_t>(data[1] % 64),
                         uint8_t{0}, static_cast<uint16_t>(data[2] % 16)};
    const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
    const OwnRowsRead read = ParseOwnRowsText(text, shape, "ESY1.csv");
    if (read.ok()) {
        Check(!read.problem.has_value());
        Check(read.rows.size() == shape.TR);
        for (const auto& row : read.rows) {
            Check(row.size() == shape.RG);
            for (std::size_t i = 0; i < row.size(); ++i) {
                Check(row[i] >= 1 && row[i] <= shape.WZ);
                for (std::size_t j = 0; j < i; ++j) Check(row[i] != row[j]);
            }
        }
    } else {
        Check(read.status == OwnRowsRead::Status::Refused);
        Check(read.problem.has_value() && read.rows.empty());
        for (const std::string& arg : read.problem->args) {
            // At most kQuoteMaxChars characters, each at most 8 bytes as an escape, and "...".
            Check(arg.size() <= 8 * kQuoteMaxChars + 3);
            for (const char c : arg) {
                const auto b = static_cast<unsigned char>(c);
                Check(b >= 0x20 && b != 0x7F);
            }
        }
        Check(NoticeText(*read.problem, 0).has_value());
    }
    return 0;
}
