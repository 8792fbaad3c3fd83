#include "evaluation/result_texts.h"

#include "catalogue/binomial.h"

namespace kombora {

std::string PercentText(int64_t total, int64_t count, const NumberLocale& locale) {
    if (total <= 0) return FormatFixed2(0.0, locale);
    return FormatFixed2(static_cast<double>(count) / static_cast<double>(total) * 100.0, locale);
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
