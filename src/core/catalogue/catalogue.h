#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "catalogue/records.h"

namespace kombora {

inline constexpr int32_t kFullSystemRowLimit = 3000;

// A full system: its rows are every RG-subset of its WZ numbers, so that its guarantee is RG
// and it has C(WZ, RG) rows. The one definition of the program; the catalogue's full systems
// (519..BaseSystemCount-1) are such entries by construction, no built-in system is one, and an
// own system is one when its record says so (its rows are still read from its rows file).
bool IsFullSystem(const TSysteme& entry);

// Every system the user can find and apply: the built-in systems (0..518), the full systems
// (519..BaseSystemCount-1) and the own systems whose rows file exists.
class Catalogue {
  public:
    int32_t size() const { return static_cast<int32_t>(entries_.size()); }
    const TSysteme& operator[](int32_t index) const {
        return entries_[static_cast<std::size_t>(index)];
    }
    const TSysteme& at(int32_t index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<TSysteme>& entries() const { return entries_; }
    bool Contains(int32_t index) const { return index >= 0 && index < size(); }

    int32_t BaseSystemCount() const { return baseSystemCount_; }
    int32_t MissingRowsFiles() const { return missingRowsFiles_; }

    // Where an entry comes from: the built-in systems, the own systems. The entries between
    // them are the generated full systems.
    bool IsBuiltin(int32_t index) const;
    bool IsOwn(int32_t index) const;
    // Whether entry `index` is a full system (IsFullSystem); false outside the catalogue.
    bool IsFull(int32_t index) const;

    // The own-systems list index an own entry was built from.
    std::optional<int32_t> OwnSystemIndex(int32_t catalogueIndex) const;
    // The catalogue entry built from own system `ownIndex`; nullopt when its rows file was
    // missing at the last build.
    std::optional<int32_t> CatalogueIndexOfOwn(int32_t ownIndex) const;

    // Rebuilds the catalogue: built-in systems, full systems up to `rowLimit` rows, then one
    // entry per own system whose rows file exists in `ownSystemsFolder`. Returns the length.
    int32_t Build(const std::vector<TEigSysteme>& ownSystems,
                  const std::filesystem::path& ownSystemsFolder,
                  int32_t rowLimit = kFullSystemRowLimit);

  private:
    std::vector<TSysteme> entries_;
    std::vector<int32_t> ownSource_;  // own-systems index of entry BaseSystemCount + i
    int32_t baseSystemCount_ = 0;
    int32_t missingRowsFiles_ = 0;
};

inline int32_t BuildCatalogue(Catalogue& catalogue, const std::vector<TEigSysteme>& ownSystems,
                              const std::filesystem::path& ownSystemsFolder,
                              int32_t rowLimit = kFullSystemRowLimit) {
    return catalogue.Build(ownSystems, ownSystemsFolder, rowLimit);
}

// How many (tip-row size, bank-number count) pairs the catalogue's systems fit: for every
// size s in 4..10 and bank count b in 0..MaxBankNumbers(s), the entries with RG == s - b.
int64_t SystemsInsideCount(const Catalogue& catalogue);

}  // namespace kombora
