// The own-systems index reader on any bytes: every whole record is decoded, a partial one is
// counted, and a decoded record written again reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "catalogue/own_index.h"

using namespace kombora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const OwnIndexLoad load = ParseOwnSystemIndex(bytes);
    if (load.systems.size() != size / kOwnRecordSize) std::abort();
    if (load.trailingBytes != size % kOwnRecordSize) std::abort();
    for (const TEigSysteme& system : load.systems) {
        const auto record = EncodeOwnRecord(system);
        if (!record) continue;  // a name that grows beyond 255 bytes when converted back
        const TEigSysteme again = DecodeOwnRecord(*record);
        const bool same = again.RG == system.RG && again.WZ == system.WZ && again.GA == system.GA &&
                          again.TR == system.TR && again.fn == system.fn;
        if (!same) std::abort();
        (void)IsPlainFileName(system.fn);
    }
    return 0;
}
