#include "evaluation/distribution.h"

namespace kombora {

void Verteilungermitteln(RowStore& rows) {
    rows.OwnNumberCounts.fill(0);
    for (const auto& row : rows.OwnRows) {
        for (const uint8_t n : row) {
            if (n >= 1 && n <= 100) ++rows.OwnNumberCounts[n];
        }
    }
    const auto rowCount = static_cast<int32_t>(rows.OwnRows.size());
    rows.OwnBankSet.Clear();
    rows.OwnBankCount = 0;
    for (int n = 1; n <= 100; ++n) {
        const int32_t count = rows.OwnNumberCounts[static_cast<std::size_t>(n)];
        if (count > 1 && count == rowCount) {
            rows.OwnBankSet.Add(n);
            ++rows.OwnBankCount;
        }
    }
}

DistributionMark DistributionMarkOf(const RowStore& rows, int n) {
    if (n < 1 || n > 100) return DistributionMark::Absent;
    if (rows.OwnBankSet.Contains(n)) return DistributionMark::Bank;
    return rows.OwnNumberCounts[static_cast<std::size_t>(n)] > 0 ? DistributionMark::Present
                                                                 : DistributionMark::Absent;
}

}  // namespace kombora
