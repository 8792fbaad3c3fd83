#include "evaluation/real_odds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "app/messages.h"
#include "catalogue/binomial.h"

namespace kombora {

HitRange OddsHitRange(int wz, int drawn, int largestNumber) {
    return HitRange{std::max(0, drawn + wz - largestNumber), std::min(drawn, wz)};
}

BestMatchCounts::BestMatchCounts(int wz, int rowSize, HitRange range)
    : wz_(wz), rowSize_(rowSize), range_(range) {
    const int hits = std::max(0, range.last - range.first + 1);
    counts_.assign(static_cast<std::size_t>(hits) * static_cast<std::size_t>(rowSize + 1), 0);
}

int64_t BestMatchCounts::At(int j, int m) const {
    if (j < range_.first || j > range_.last || m < 0 || m > rowSize_) return 0;
    return counts_[static_cast<std::size_t>((j - range_.first) * (rowSize_ + 1) + m)];
}

void BestMatchCounts::Set(int j, int m, int64_t count) {
    if (j < range_.first || j > range_.last || m < 0 || m > rowSize_) {
        throw std::out_of_range("no cell for " + std::to_string(j) + " hits and " +
                                std::to_string(m) + " matches");
    }
    counts_[static_cast<std::size_t>((j - range_.first) * (rowSize_ + 1) + m)] = count;
}

std::optional<std::vector<int64_t>> HitCountMatches(const EvaluationResult& result, int k,
                                                    int rowSize) {
    if (result.StateOf(k) != HitCountState::Complete || rowSize < 0) return std::nullopt;
    std::vector<int64_t> counts(static_cast<std::size_t>(rowSize + 1), 0);
    int64_t matched = 0;
    for (int m = 1; m <= std::min(k, kMaxHitCount); ++m) {
        const int64_t c = result.tally(k, m);
        if (m <= rowSize) counts[static_cast<std::size_t>(m)] = c;
        matched += c;
    }
    counts[0] = Binomial(result.wz, k) - matched;
    return counts;
}

namespace {

// Hit count j of a tally into the counts; the draws without a match are the rest of C(wz, j).
void TakeTally(BestMatchCounts& counts, const HitTally& tally, int j) {
    int64_t matched = 0;
    for (int m = 1; m <= std::min(j, kMaxHitCount); ++m) {
        const int64_t c = tally(j, m);
        if (c == 0) continue;
        counts.Set(j, m, c);  // a row longer than rowSize shows here
        matched += c;
    }
    counts.Set(j, 0, Binomial(counts.wz(), j) - matched);
}

void CheckRange(int wz, int rowSize, HitRange range) {
    if (wz < 0 || wz > 255 || rowSize < 0) {
        throw std::invalid_argument("a pool of " + std::to_string(wz) + " numbers with rows of " +
                                    std::to_string(rowSize));
    }
    if (range.last > kMaxHitCount) {
        throw std::invalid_argument("the odds need " + std::to_string(range.last) +
                                    " hits in the pool; at most " + std::to_string(kMaxHitCount) +
                                    " can be evaluated");
    }
}

}  // namespace

std::optional<BestMatchCounts> CollectBestMatchCounts(std::span<const NumberSet> rows, int wz,
                                                      int rowSize, HitRange range,
                                                      const EvaluationResult* known,
                                                      const EvaluationOptions& options,
                                                      std::stop_token stop,
                                                      const OddsProgress& progress) {
    CheckRange(wz, rowSize, range);
    BestMatchCounts counts(wz, rowSize, range);
    NumberSet covered;  // design numbers that stand in some row
    for (const NumberSet& row : rows) covered |= row;
    int coveredCount = 0;
    for (int n = 1; n <= wz; ++n) coveredCount += covered.Contains(n) ? 1 : 0;

    std::vector<int> missing;
    for (int j = std::max(range.first, 0); j <= range.last; ++j) {
        if (j == 0) {
            counts.Set(0, 0, 1);
        } else if (j == 1) {
            if (rowSize >= 1) counts.Set(1, 1, coveredCount);
            counts.Set(1, 0, wz - coveredCount);
        } else if (known != nullptr && known->wz == wz &&
                   known->StateOf(j) == HitCountState::Complete) {
            TakeTally(counts, known->tally, j);
        } else {
            missing.push_back(j);
        }
    }

    int64_t total = 0;
    for (int j : missing) total += Binomial(wz, j);
    int64_t done = 0;
    for (int j : missing) {
        EvaluationCallbacks callbacks;
        if (progress) {
            callbacks.progress = [&](int64_t drawsDone, int64_t) {
                progress(done + drawsDone, total);
            };
        }
        const EvaluationResult result = EvaluateHits(rows, wz, j, j, options, stop, callbacks);
        if (result.StateOf(j) != HitCountState::Complete) return std::nullopt;
        TakeTally(counts, result.tally, j);
        done += Binomial(wz, j);
    }
    return counts;
}

BestMatchCounts FullSystemBestMatchCounts(int wz, int rowSize, HitRange range) {
    CheckRange(wz, rowSize, HitRange{});
    BestMatchCounts counts(wz, rowSize, range);
    for (int j = std::max(range.first, 0); j <= range.last; ++j) {
        counts.Set(j, std::min(j, rowSize), Binomial(wz, j));
    }
    return counts;
}

RealOdds ComputeRealOdds(const BestMatchCounts& counts, int64_t rowCount, int bankCount,
                         int largestNumber, int drawn) {
    const int wz = counts.wz();
    const int outside = largestNumber - wz - bankCount;
    if (bankCount < 0 || outside < 0) {
        throw std::invalid_argument("a pool of " + std::to_string(wz) + " numbers and " +
                                    std::to_string(bankCount) +
                                    " bank numbers does not fit into a lottery of " +
                                    std::to_string(largestNumber) + " numbers");
    }
    if (drawn < 1 || drawn > largestNumber || largestNumber > 100) {
        throw std::invalid_argument("a lottery cannot draw " + std::to_string(drawn) + " of " +
                                    std::to_string(largestNumber) + " numbers");
    }
    const HitRange needed = OddsHitRange(wz, drawn, largestNumber);
    if (needed.first < counts.range().first || needed.last > counts.range().last) {
        throw std::invalid_argument("the best-match counts do not cover the hit counts " +
                                    std::to_string(needed.first) + " to " +
                                    std::to_string(needed.last));
    }

    RealOdds odds;
    odds.largestNumber = largestNumber;
    odds.drawn = drawn;
    odds.wz = wz;
    odds.bankCount = bankCount;
    odds.rowSize = counts.rowSize() + bankCount;
    odds.rowCount = rowCount;
    odds.drawCount = Binomial(largestNumber, drawn);  // at most C(100, 10), about 1.7e13
    odds.lines.resize(static_cast<std::size_t>(odds.rowSize + 1));
    for (int m = 0; m <= odds.rowSize; ++m) odds.lines[static_cast<std::size_t>(m)].matches = m;

    // Every term is at most C(largestNumber, drawn) and so is their sum: 64 bits suffice.
    for (int j = needed.first; j <= needed.last; ++j) {
        for (int b = 0; b <= bankCount && j + b <= drawn; ++b) {
            const int64_t weight = Binomial(bankCount, b) * Binomial(outside, drawn - j - b);
            if (weight == 0) continue;
            for (int m = 0; m <= counts.rowSize(); ++m) {
                odds.lines[static_cast<std::size_t>(m + b)].bestRowDraws +=
                    counts.At(j, m) * weight;
            }
        }
    }
    const auto total = static_cast<long double>(odds.drawCount);
    for (OddsLine& line : odds.lines) {
        line.rowDraws = Binomial(odds.rowSize, line.matches) *
                        Binomial(largestNumber - odds.rowSize, drawn - line.matches);
        line.bestRowProbability = static_cast<long double>(line.bestRowDraws) / total;
        line.expectedRows =
            static_cast<long double>(rowCount) * static_cast<long double>(line.rowDraws) / total;
    }
    return odds;
}

std::string DecimalText(long double value) {
    if (value == 0) return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 14 - magnitude);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(decimals);
    out << value;
    return out.str();
}

std::string OddsPercentText(int64_t count, int64_t total, const NumberLocale& locale) {
    if (count <= 0 || total <= 0) return "0";
    const long double percent =
        static_cast<long double>(count) * 100 / static_cast<long double>(total);
    char buffer[64];
    if (percent >= 0.01L) {
        std::snprintf(buffer, sizeof buffer, "%.2Lf", percent);
    } else {
        const int magnitude = static_cast<int>(std::floor(std::log10(percent)));
        std::snprintf(buffer, sizeof buffer, "%.*Lf", 2 - magnitude, percent);
    }
    std::string text(buffer);
    const auto dot = text.find('.');
    if (dot != std::string::npos) text.replace(dot, 1, locale.decimalSeparator);
    return text;
}

std::string OneInText(int64_t count, int64_t total, int32_t language, const NumberLocale& locale) {
    if (count <= 0) return LabelText(LabelId::OddsNever, language).value_or("");
    const long double n = static_cast<long double>(total) / static_cast<long double>(count);
    std::string number;
    if (n < 9.95L) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.1Lf", n);
        number = buffer;
        if (number.ends_with(".0")) {
            number.resize(number.size() - 2);
        } else {
            number.replace(number.find('.'), 1, locale.decimalSeparator);
        }
    } else {
        number = FormatCount(static_cast<int64_t>(std::llround(n)), locale);
    }
    return LabelText(LabelId::OddsOneIn, language, {number}).value_or("");
}

}  // namespace kombora
