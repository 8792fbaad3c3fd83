#include "own/comparable_systems.h"

#include "selection/catalogue_filter.h"

namespace kombora {

std::optional<int32_t> ComparableList::IndexOfLine(int line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= indexes.size()) return std::nullopt;
    return indexes[static_cast<std::size_t>(line)];
}

std::optional<ComparableList> FindComparableSystems(const Catalogue& catalogue, int32_t rowSize,
                                                    int32_t poolSize, int32_t guarantee,
                                                    int32_t rowCount) {
    if (rowSize < 2) return std::nullopt;
    ComparableList found;
    const auto add = [&found](int32_t index, std::string text) {
        found.indexes.push_back(index);
        found.texts.push_back(std::move(text));
    };
    const int32_t base = std::min(catalogue.BaseSystemCount(), catalogue.size());
    for (int32_t i = 0; i < base; ++i) {
        const TSysteme& e = catalogue[i];
        if (e.RG != rowSize || e.WZ != poolSize || e.GA != guarantee) continue;
        if (e.TR == rowCount) {
            add(i, "Identical system available");
        } else if (e.TR < rowCount) {
            add(i, "Same guarantee, count of numbers, etc., but only " + std::to_string(e.TR) +
                       " rows");
        }
    }
    for (int32_t i = 0; i < base; ++i) {
        const TSysteme& e = catalogue[i];
        if (e.RG != rowSize || e.WZ != poolSize || e.GA <= guarantee) continue;
        if (RowCountNear(e.TR, rowCount)) continue;  // true: the counts are not similar
        if (e.TR == rowCount) {
            add(i,
                "Count of numbers, rows etc. identical, but " + std::to_string(e.GA) + "er guar.");
        } else {
            add(i, "Count of numbers etc. identical, rows similar, but " + std::to_string(e.GA) +
                       "er guar.");
        }
    }
    return found;
}

std::string TestedRowsDescription(int32_t poolSize, int32_t rowCount, int32_t rowSize,
                                  int32_t guarantee) {
    std::string text = "\"Own system\" for " + std::to_string(poolSize) + " numbers in " +
                       std::to_string(rowCount) + " rows à " + std::to_string(rowSize) +
                       " numbers ";
    text += guarantee > 0 ? "with " + std::to_string(guarantee) + "er guarantee."
                          : std::string("w/o guarantee.");
    return text;
}

}  // namespace kombora
