#include "evaluation/plain_evaluation.h"

#include <array>
#include <cstdint>
#include <vector>

#include "evaluation/draws.h"

namespace kombora {
namespace {

constexpr std::array<uint8_t, 16> kNibbleBits = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

using SetBytes = std::array<uint8_t, 32>;

int MemberCount(const SetBytes& a, const SetBytes& b) {
    int count = 0;
    for (std::size_t i = 0; i < 32; ++i) {
        const uint8_t both = a[i] & b[i];
        count += kNibbleBits[both & 0x0F] + kNibbleBits[both >> 4];
    }
    return count;
}

}  // namespace

HitTally EvaluateHitsPlain(std::span<const NumberSet> rowSets, int wz, int firstHitCount,
                           int lastHitCount) {
    HitTally tally;
    if (wz < 1 || wz > 255) return tally;  // draws are sets of the numbers 1..255
    std::vector<SetBytes> rows;
    rows.reserve(rowSets.size());
    for (const NumberSet& row : rowSets) rows.push_back(row.Bytes());

    const int first = firstHitCount < kMinHitCount ? kMinHitCount : firstHitCount;
    const int last = lastHitCount > kMaxHitCount ? kMaxHitCount : lastHitCount;
    for (int k = first; k <= last; ++k) {
        DrawEnumerator draws(wz, k);
        while (draws.Next()) {
            SetBytes draw{};
            for (int i = 0; i < k; ++i) {
                const int n = draws[i];
                draw[static_cast<std::size_t>(n >> 3)] |= static_cast<uint8_t>(1u << (n & 7));
            }
            int best = 0;
            for (const SetBytes& row : rows) {
                const int m = MemberCount(draw, row);
                if (m > best) best = m;
            }
            if (best >= 1) ++tally(k, best);
        }
    }
    return tally;
}

}  // namespace kombora
