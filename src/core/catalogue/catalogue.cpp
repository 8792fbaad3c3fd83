#include "catalogue/catalogue.h"

#include <algorithm>
#include <system_error>

#include "catalogue/binomial.h"
#include "catalogue/builtin_designs.h"
#include "catalogue/own_index.h"
#include "io/text_encoding.h"
#include "rows/number_set.h"

namespace kombora {

bool Catalogue::IsBuiltin(int32_t index) const {
    return index >= 0 && index < kBuiltinCount;
}

bool IsFullSystem(const TSysteme& entry) {
    return entry.RG >= 1 && entry.GA == entry.RG && entry.RG <= entry.WZ &&
           Binomial(entry.WZ, entry.RG) == static_cast<int64_t>(entry.TR);
}

bool Catalogue::IsFull(int32_t index) const {
    return Contains(index) && IsFullSystem(entries_[static_cast<std::size_t>(index)]);
}

bool Catalogue::IsOwn(int32_t index) const {
    return index >= baseSystemCount_ && index < size();
}

std::optional<int32_t> Catalogue::OwnSystemIndex(int32_t catalogueIndex) const {
    if (!IsOwn(catalogueIndex)) return std::nullopt;
    return ownSource_[static_cast<std::size_t>(catalogueIndex - baseSystemCount_)];
}

std::optional<int32_t> Catalogue::CatalogueIndexOfOwn(int32_t ownIndex) const {
    const auto it = std::find(ownSource_.begin(), ownSource_.end(), ownIndex);
    if (it == ownSource_.end()) return std::nullopt;
    return baseSystemCount_ + static_cast<int32_t>(it - ownSource_.begin());
}

int32_t Catalogue::Build(const std::vector<TEigSysteme>& ownSystems,
                         const std::filesystem::path& ownSystemsFolder, int32_t rowLimit) {
    const auto& builtin = BuiltinDesigns();
    entries_.assign(builtin.begin(), builtin.end());
    for (int32_t k = 2; k <= 8; ++k) {
        for (int32_t n = k + 1;; ++n) {
            const int64_t rows = Binomial(n, k);
            if (rows > rowLimit) break;
            entries_.push_back(TSysteme{static_cast<uint8_t>(k), static_cast<uint8_t>(n),
                                        static_cast<uint8_t>(k), static_cast<uint16_t>(rows)});
        }
    }
    baseSystemCount_ = size();
    missingRowsFiles_ = 0;
    ownSource_.clear();
    for (std::size_t i = 0; i < ownSystems.size(); ++i) {
        const TEigSysteme& own = ownSystems[i];
        std::error_code ec;
        // A name that points outside the own-systems folder counts as a missing rows file.
        // Whatever else stands under the name keeps its entry: the rows reader refuses it
        // with a message naming the file when the system is used.
        const bool exists = IsPlainFileName(own.fn) &&
                            std::filesystem::exists(ownSystemsFolder / PathFromUtf8(own.fn), ec);
        if (!exists) {
            ++missingRowsFiles_;
            continue;
        }
        entries_.push_back(TSysteme{own.RG, own.WZ, own.GA, own.TR});
        ownSource_.push_back(static_cast<int32_t>(i));
    }
    return size();
}

int64_t SystemsInsideCount(const Catalogue& catalogue) {
    int64_t count = 0;
    for (int s = 4; s <= 10; ++s) {
        for (int b = 0; b <= MaxBankNumbers(s); ++b) {
            for (const TSysteme& entry : catalogue.entries()) {
                if (entry.RG == s - b) ++count;
            }
        }
    }
    return count;
}

}  // namespace kombora
