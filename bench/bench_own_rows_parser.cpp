// The own-rows parser over 100,000 rows of 6 numbers out of 49, as pasted from a text editor
// (comma-separated, CR LF line breaks), with and without thorough checking, and with a
// progress callback as the page uses it. The page's promise is well under a second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "own/own_rows_parser.h"

namespace {

using namespace kombora;

std::string RowsText(int rows, char delimiter) {
    std::mt19937 random(100000);
    std::vector<int> pool(49);
    std::iota(pool.begin(), pool.end(), 1);
    std::string text;
    for (int r = 0; r < rows; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        for (int i = 0; i < 6; ++i) {
            if (i > 0) text += delimiter;
            text += std::to_string(pool[static_cast<std::size_t>(i)]);
        }
        text += "\r\n";
    }
    return text;
}

void BM_Parse100kRows(benchmark::State& state) {
    const int delimiterChoice = static_cast<int>(state.range(0));
    const bool thorough = state.range(1) != 0;
    const std::string text = RowsText(100000, DelimiterOfChoice(delimiterChoice));
    ParseCallbacks callbacks;
    int64_t seen = 0;
    callbacks.progress = [&](int64_t position, int64_t) {
        seen = position;
        return true;
    };
    for (auto _ : state) {
        ParseResult result = Verarbeitungsstart(text, {delimiterChoice, thorough, 49}, callbacks);
        if (!result.ok()) state.SkipWithError("the rows were not read");
        benchmark::DoNotOptimize(result.rows.data());
    }
    benchmark::DoNotOptimize(seen);
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_Parse100kRows)
    ->ArgNames({"delimiter", "thorough"})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
