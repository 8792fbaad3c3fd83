// The settings reader on any bytes: reading the program's keys never fails, and a file that
// is saved without a change comes back byte for byte; after writing the program's keys, a
// second save changes nothing and every key reads back what was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "io/ini_file.h"

using namespace kombora;

namespace {

struct Key {
    const char* section;
    const char* key;
};

constexpr Key kKeys[] = {{"Allgemein", "Sprache"},     {"Filter", "ZP"},
                         {"Filter", "ZPegal"},         {"Allgemein", "biggestZZ"},
                         {"Eigene Reihen", "Trenner"}, {"Excel-Export", "Mit"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::Parse(bytes);
    for (const Key& k : kKeys) (void)ini.ReadInteger(k.section, k.key, 7);
    if (ini.Text() != bytes) std::abort();

    int32_t value = 0;
    for (const Key& k : kKeys) ini.WriteInteger(k.section, k.key, value++);
    const std::string saved = ini.Text();
    IniFile again = IniFile::Parse(saved);
    value = 0;
    for (const Key& k : kKeys) {
        if (again.ReadInteger(k.section, k.key, -1) != value++) std::abort();
    }
    if (again.Text() != saved) std::abort();
    return 0;
}
