#include "evaluation/result_texts.h"

#include "catalogue/binomial.h"

namespace kombora {

std::string PercentText(int64_t total, int64_t count, const NumberLocale& locale) {
    if (total <= 0) return "0" + locale.decimalSeparator + "00";
    // Long division of the exact fraction |count| / total in whole numbers: the quotient in
    // hundredths of a percent is whole * 10000 plus four more digits, then the remainder
    // rounds half up. A binary double would turn 9 / 160 (5.625 %) into 5.6249... and show
    // "5.62"; the remainder stays below total, so rem * 10 cannot overflow.
    const bool negative = count < 0;
    const auto den = static_cast<uint64_t>(total);
    const uint64_t num =
        negative ? uint64_t{0} - static_cast<uint64_t>(count) : static_cast<uint64_t>(count);
    uint64_t hundredths = num / den * 10000;
    uint64_t rem = num % den;
    for (uint64_t place = 1000; place >= 1; place /= 10) {
        rem *= 10;
        hundredths += rem / den * place;
        rem %= den;
    }
    if (rem >= den - rem) ++hundredths;
    std::string text = negative && hundredths > 0 ? "-" : "";
    const uint64_t cents = hundredths % 100;
    text += std::to_string(hundredths / 100) + locale.decimalSeparator;
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

HitCountRowTexts HitCountTexts(const EvaluationResult& result, int k, const NumberLocale& locale) {
    HitCountRowTexts texts;
    const HitCountState state = result.StateOf(k);
    if (state == HitCountState::NotEvaluated) return texts;
    const int64_t draws = Binomial(result.wz, k);
    texts.counts[1] = FormatCount(draws, locale);
    if (state == HitCountState::DrawCountOnly) return texts;
    for (int m = 1; m <= k; ++m) {
        const int64_t c = result.tally(k, m);
        const auto column = static_cast<std::size_t>(m + 1);
        if (c >= 1) {
            texts.counts[column] = FormatCount(c, locale);
            texts.percents[column] = PercentText(draws, c, locale);
        } else {
            texts.counts[column] = "---";
            texts.percents[column] = "---";
        }
    }
    return texts;
}

ResultGridTexts ResultGridCells(const EvaluationResult& result, const NumberLocale& locale) {
    ResultGridTexts grid{};
    for (int k = kMinHitCount; k <= kMaxHitCount; ++k) {
        HitCountRowTexts texts = HitCountTexts(result, k, locale);
        grid[static_cast<std::size_t>(CountRowOf(k))] = std::move(texts.counts);
        grid[static_cast<std::size_t>(PercentRowOf(k))] = std::move(texts.percents);
    }
    return grid;
}

}  // namespace kombora
