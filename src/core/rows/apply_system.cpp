#include "rows/apply_system.h"

#include "catalogue/builtin_rows.h"
#include "catalogue/own_index.h"
#include "catalogue/subsets.h"
#include "io/text_encoding.h"
#include "numbers/board.h"
#include "own/own_rows_file.h"

namespace kombora {
namespace {

constexpr int kNumberLimit = 100;

Notice Failure(MessageId id, std::vector<std::string> args = {}) {
    return Notice{id, std::move(args)};
}

}  // namespace

EntryKind KindOfEntry(const Catalogue& catalogue, int32_t index) {
    if (catalogue.IsOwn(index)) return EntryKind::Own;
    return IsFullSystem(catalogue.at(index)) ? EntryKind::Full : EntryKind::Builtin;
}

std::string CollapseSpaces(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' && i > 0 && text[i - 1] == ' ') continue;
        result += text[i];
    }
    return result;
}

std::optional<Notice> FormingEntryCheck(const RowStore& rows, const TSysteme& entry) {
    const int bank = rows.TipSize - entry.RG;
    if (bank < 0) {
        return Failure(MessageId::FormingRowsLongerThanTip,
                       {std::to_string(entry.RG), std::to_string(rows.TipSize)});
    }
    if (rows.ChangingCount == rows.ChangingNeeded && rows.BankCount == bank &&
        rows.ChangingSet.IntersectionCount(rows.BankSet) == 0) {
        return std::nullopt;
    }
    return Failure(ChooseNumbersMessage(bank),
                   {std::to_string(rows.ChangingNeeded), std::to_string(bank)});
}

void SortGridRows(std::vector<std::vector<int32_t>>& rows) {
    const std::ptrdiff_t count = std::ssize(rows);
    for (std::ptrdiff_t gap = count / 2; gap >= 1; gap /= 2) {
        for (std::ptrdiff_t i = 0; i + gap < count; ++i) {
            // Step back by the gap while the earlier row is the greater.
            for (std::ptrdiff_t j = i; j >= 0 && rows[static_cast<std::size_t>(j)] >
                                                     rows[static_cast<std::size_t>(j + gap)];
                 j -= gap) {
                std::swap(rows[static_cast<std::size_t>(j)],
                          rows[static_cast<std::size_t>(j + gap)]);
            }
        }
    }
}

FormingResult SystemAnwenden(AppContext& context, bool formingMode) {
    FormingResult result;
    RowStore& rows = context.rows;
    const Catalogue& catalogue = context.catalogue;
    const int32_t index = context.SelectedSystem;
    // An index the catalogue no longer holds, or one that now names an entry with another
    // pool size (own systems deleted since the choice), counts as no choice.
    if (!catalogue.Contains(index) || catalogue[index].WZ != rows.ChangingNeeded) {
        result.message = Failure(MessageId::FormingNoSystem);
        return result;
    }
    const TSysteme entry = catalogue[index];
    if (auto failed = FormingEntryCheck(rows, entry)) {
        result.message = std::move(failed);
        return result;
    }
    // Numbers hidden above a lowered largest number would give rows the lottery cannot play.
    if (auto hidden = HiddenChoiceCheck(rows, context.LargestNumber)) {
        result.message = std::move(hidden);
        return result;
    }

    const int tipSize = rows.TipSize;
    const int rowCount = entry.TR;
    const std::vector<uint8_t> chosen =
        SetToSortedNumbers(rows.ChangingSet, rows.ChangingCount, kNumberLimit);
    const auto chosenNumber = [&chosen](int designNumber) {
        return static_cast<int>(chosen[static_cast<std::size_t>(designNumber - 1)]);
    };

    // Gather the row sets first; nothing in the row store changes before they are complete.
    std::vector<NumberSet> sets(static_cast<std::size_t>(rowCount), rows.BankSet);
    std::vector<std::vector<int32_t>> ownRows;
    const EntryKind kind = KindOfEntry(catalogue, index);
    if (kind == EntryKind::Full && !sets.empty()) {
        std::size_t m = 0;
        ForEachSubset(entry.WZ, entry.RG, [&](std::span<const int> combo) {
            for (int i : combo) sets[m].Add(chosen[static_cast<std::size_t>(i)]);
            return ++m < sets.size();
        });
    } else if (kind == EntryKind::Builtin) {
        const std::size_t needed = static_cast<std::size_t>(entry.RG) * sets.size();
        const std::span<const uint8_t> data = BuiltinRows(index);
        bool sound = data.size() >= needed && BuiltinRowCount(index) >= rowCount;
        for (std::size_t i = 0; sound && i < needed; ++i) {
            sound = data[i] >= 1 && data[i] <= entry.WZ;
        }
        if (!sound) {
            result.message = Failure(MessageId::FormingBuiltinRowsMissing);
            return result;
        }
        for (int p = 1; p <= rowCount; ++p) {
            for (int k = 1; k <= entry.RG; ++k) {
                sets[static_cast<std::size_t>(p - 1)].Add(chosenNumber(DesignNumber(index, p, k)));
            }
        }
    } else {
        const auto own = catalogue.OwnSystemIndex(index);
        const bool known =
            own && *own >= 0 && *own < static_cast<int32_t>(context.OwnSystemList.size());
        OwnRowsRead file;
        if (known) {
            const std::string& fn = context.OwnSystemList[static_cast<std::size_t>(*own)].fn;
            file = ReadOwnRowsFile(context.folders.ownSystemsFolder, fn, entry);
        }
        if (!file.ok()) {
            result.message =
                file.problem ? std::move(file.problem) : Failure(MessageId::FormingRowsFileMissing);
            return result;
        }
        ownRows = std::move(file.rows);
        for (int p = 0; p < rowCount; ++p) {
            for (int d : ownRows[static_cast<std::size_t>(p)]) {
                sets[static_cast<std::size_t>(p)].Add(chosenNumber(d));
            }
        }
    }

    // Write the row store.
    rows.NumberCounts.fill(0);
    rows.TipRows.assign(static_cast<std::size_t>(rowCount),
                        std::vector<int32_t>(static_cast<std::size_t>(tipSize), 0));
    if (kind == EntryKind::Full) rows.ComboSets = sets;
    if (kind == EntryKind::Own) {
        rows.OwnSystemRows.assign(static_cast<std::size_t>(rowCount),
                                  std::vector<int32_t>(static_cast<std::size_t>(tipSize), 0));
        for (std::size_t p = 0; p < ownRows.size(); ++p) {
            for (std::size_t j = 0; j < ownRows[p].size() && j < rows.OwnSystemRows[p].size();
                 ++j) {
                rows.OwnSystemRows[p][j] = ownRows[p][j];
            }
        }
    }
    for (std::size_t p = 0; p < sets.size(); ++p) {
        const std::vector<uint8_t> numbers = SetToSortedNumbers(sets[p], tipSize, kNumberLimit);
        for (std::size_t k = 0; k < numbers.size(); ++k) {
            const int n = numbers[k];
            if (n >= 1 && n <= kNumberLimit) ++rows.NumberCounts[static_cast<std::size_t>(n)];
            rows.TipRows[p][k] = n;
        }
    }

    result.ok = true;
    result.rowCount = rowCount;
    if (formingMode) {
        result.gridRows = rows.TipRows;
        if (tipSize >= 4 && tipSize <= 10) SortGridRows(result.gridRows);
    }
    return result;
}

CountColour CountCellColour(int32_t count, int32_t rowCount) {
    if (count > 1 && count == rowCount) return CountColour::LimeGreen;
    if (count > 0) return CountColour::Yellow;
    return CountColour::ButtonFace;
}

std::string GroupG1Caption(int32_t rowCount, int32_t language) {
    return std::to_string(rowCount) + (language == 0 ? " Tippreihen" : " series of bets");
}

}  // namespace kombora
