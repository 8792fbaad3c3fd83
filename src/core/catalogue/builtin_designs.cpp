#include "catalogue/builtin_designs.h"

#include "catalogue/builtin_rows.h"

namespace kombora {

const std::array<TSysteme, kBuiltinCount>& BuiltinDesigns() {
    static const std::array<TSysteme, kBuiltinCount> designs = [] {
        std::array<TSysteme, kBuiltinCount> d = kBuiltinTable;
        for (int i = 0; i < kBuiltinCount; ++i) {
            d[static_cast<std::size_t>(i)].TR = static_cast<uint16_t>(BuiltinRowCount(i));
        }
        return d;
    }();
    return designs;
}

}  // namespace kombora
