#include "rows/apply_system.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>

#include "io/text_encoding.h"
#include "catalogue/binomial.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/own_index.h"

namespace kombora {
namespace {

constexpr int kNumberLimit = 100;

Notice Failure(MessageId id, std::vector<std::string> args = {}) {
    return Notice{id, std::move(args)};
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// Lines of a text, split at CR LF, LF or CR, each with its number in the file (from 1).
std::vector<std::pair<int, std::string_view>> SplitLines(std::string_view text) {
    std::vector<std::pair<int, std::string_view>> lines;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(++number, text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

// Every index combination i1 < ... < ik of 0..n-1, in lexicographic order, at most `limit`.
template <typename Visit>
void ForEachCombination(int n, int k, std::size_t limit, Visit visit) {
    if (k < 0 || k > n || limit == 0) return;
    std::vector<int> index(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) index[static_cast<std::size_t>(i)] = i;
    std::size_t produced = 0;
    for (;;) {
        visit(index);
        if (++produced >= limit) return;
        int i = k - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

bool IsFullCombinationCount(const TSysteme& entry) {
    return Binomial(entry.WZ, entry.RG) == static_cast<int64_t>(entry.TR);
}

}  // namespace

EntryKind KindOfEntry(const Catalogue& catalogue, int32_t index) {
    const TSysteme& entry = catalogue.at(index);
    const bool own = index >= catalogue.BaseSystemCount();
    if (entry.GA == entry.RG && (!own || IsFullCombinationCount(entry))) return EntryKind::Full;
    return own ? EntryKind::Own : EntryKind::Builtin;
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

OwnRowsFile ReadOwnSystemRowsFile(const std::filesystem::path& file, const TSysteme& entry) {
    OwnRowsFile result;
    const std::string name = PathToUtf8(file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        result.error = Failure(MessageId::FormingRowsFileMissing);
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        result.error = Failure(MessageId::GeneralFileReadFailed, {name, "read error"});
        return result;
    }
    const std::string text = CollapseSpaces(bytes);
    const int rowCount = entry.TR;
    const int rowSize = entry.RG;
    std::vector<std::vector<int32_t>> rows;
    for (const auto& [lineNumber, rawLine] : SplitLines(text)) {
        if (static_cast<int>(rows.size()) >= rowCount) break;
        const std::string_view line = TrimSpaces(rawLine);
        // Empty lines, and lines of an empty quoted cell, carry no row.
        if (line.empty() || line == "\"\"") continue;
        std::vector<std::string_view> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = line.find(',', start);
            fields.push_back(TrimSpaces(line.substr(start, comma - start)));
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
        const std::string where = std::to_string(lineNumber);
        if (static_cast<int>(fields.size()) != rowSize) {
            result.error =
                Failure(MessageId::OwnSystemsRowsFileWrongCount,
                        {name, where, std::to_string(fields.size()), std::to_string(rowSize)});
            return result;
        }
        std::vector<int32_t> row;
        NumberSet seen;
        for (std::string_view field : fields) {
            std::string_view digits = field;
            if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
            long long value = 0;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            const bool whole = !digits.empty() && end == digits.data() + digits.size();
            if (!whole || (error != std::errc() && error != std::errc::result_out_of_range)) {
                result.error = Failure(MessageId::OwnSystemsRowsFileNotANumber,
                                       {name, where, std::string(field)});
                return result;
            }
            if (error == std::errc::result_out_of_range || value < 1 || value > entry.WZ) {
                result.error = Failure(MessageId::OwnSystemsRowsFileOutOfRange,
                                       {name, where, std::string(field), std::to_string(entry.WZ)});
                return result;
            }
            const int d = static_cast<int>(value);
            if (seen.Contains(d)) {
                result.error = Failure(MessageId::OwnSystemsRowsFileRepeated,
                                       {name, where, std::to_string(d)});
                return result;
            }
            seen.Add(d);
            row.push_back(d);
        }
        rows.push_back(std::move(row));
    }
    if (static_cast<int>(rows.size()) < rowCount) {
        result.error = Failure(MessageId::OwnSystemsRowsFileTooFewRows,
                               {name, std::to_string(rows.size()), std::to_string(rowCount)});
        return result;
    }
    result.rows = std::move(rows);
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
    if (kind == EntryKind::Full) {
        std::size_t m = 0;
        ForEachCombination(entry.WZ, entry.RG, sets.size(), [&](const std::vector<int>& combo) {
            for (int i : combo) sets[m].Add(chosen[static_cast<std::size_t>(i)]);
            ++m;
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
        const std::string fn =
            known ? context.OwnSystemList[static_cast<std::size_t>(*own)].fn : "";
        if (!known || !IsPlainFileName(fn)) {
            result.message = Failure(MessageId::FormingRowsFileMissing);
            return result;
        }
        OwnRowsFile file =
            ReadOwnSystemRowsFile(context.folders.ownSystemsFolder / PathFromUtf8(fn), entry);
        if (file.error) {
            result.message = std::move(file.error);
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
