// The fast hit evaluation against the plain algorithm it replaces, on the same rows. The
// "ratio" counter of each Engine run is the plain run's wall time divided by the engine's;
// "cpu_ratio" compares the processor time of the whole process (all threads), which stays
// meaningful when other programs keep the cores busy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/builtin_designs.h"
#include "catalogue/builtin_rows.h"
#include "catalogue/builtin_table.h"
#include "evaluation/hit_engine.h"
#include "evaluation/plain_evaluation.h"

namespace {

using namespace kombora;

struct Case {
    std::string name;
    int wz;
    int first;
    int last;
    std::vector<NumberSet> rows;
};

// The rows of built-in entry `index`; random rows of the same shape while the design data is
// not there.
Case BuiltinCase(int index) {
    const TSysteme& entry = BuiltinDesigns()[static_cast<std::size_t>(index)];
    Case c{"builtin " + std::to_string(index), entry.WZ, 2, entry.RG, {}};
    const auto data = BuiltinRows(index);
    const int count = BuiltinRowCount(index);
    if (!data.empty() && data.size() == static_cast<std::size_t>(count) * entry.RG) {
        for (int r = 1; r <= count; ++r) {
            NumberSet row;
            for (int p = 1; p <= entry.RG; ++p) row.Add(DesignNumber(index, r, p));
            c.rows.push_back(row);
        }
        return c;
    }
    // Without design data the catalogue's table gives the shape.
    const TSysteme& shape = kBuiltinTable[static_cast<std::size_t>(index)];
    c = Case{"builtin " + std::to_string(index) + " (random rows)", shape.WZ, 2, shape.RG, {}};
    std::mt19937 random(static_cast<unsigned>(index));
    std::vector<int> pool(shape.WZ);
    std::iota(pool.begin(), pool.end(), 1);
    for (int r = 0; r < shape.TR; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        NumberSet row;
        for (int p = 0; p < shape.RG; ++p) row.Add(pool[static_cast<std::size_t>(p)]);
        c.rows.push_back(row);
    }
    return c;
}

const Case& CaseAt(int which) {
    static const Case system49 = BuiltinCase(391);
    static const Case ten = BuiltinCase(456);  // rows of 10 over 22 numbers
    return which == 0 ? system49 : ten;
}

struct Seconds {
    double wall = 0;
    double cpu = 0;
};

std::map<int, Seconds>& PlainSeconds() {
    static std::map<int, Seconds> seconds;
    return seconds;
}

// Wall and process processor time of one call.
template <typename Run>
Seconds Measure(Run run) {
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {wall.count(), static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

void BM_Plain(benchmark::State& state) {
    const Case& c = CaseAt(static_cast<int>(state.range(0)));
    state.SetLabel(c.name);
    for (auto _ : state) {
        const Seconds took = Measure(
            [&] { benchmark::DoNotOptimize(EvaluateHitsPlain(c.rows, c.wz, c.first, c.last)); });
        PlainSeconds()[static_cast<int>(state.range(0))] = took;
        state.counters["cpu_s"] = took.cpu;
    }
}

void BM_Engine(benchmark::State& state) {
    const Case& c = CaseAt(static_cast<int>(state.range(0)));
    const int threads = static_cast<int>(state.range(1));
    state.SetLabel(c.name);
    EvaluationOptions options;
    options.threads = threads;
    Seconds total;
    int64_t runs = 0;
    for (auto _ : state) {
        const Seconds took = Measure([&] {
            benchmark::DoNotOptimize(EvaluateHits(c.rows, c.wz, c.first, c.last, options));
        });
        total.wall += took.wall;
        total.cpu += took.cpu;
        ++runs;
    }
    const auto plain = PlainSeconds().find(static_cast<int>(state.range(0)));
    if (plain != PlainSeconds().end() && runs > 0) {
        const auto n = static_cast<double>(runs);
        state.counters["ratio"] = plain->second.wall / (total.wall / n);
        state.counters["cpu_ratio"] = plain->second.cpu / (total.cpu / n);
    }
}

// How long the engine takes to come back after a stop request in the middle of a long run.
void BM_StopLatency(benchmark::State& state) {
    std::mt19937 random(5);
    std::vector<int> pool(100);
    std::iota(pool.begin(), pool.end(), 1);
    std::vector<NumberSet> rows;
    for (int r = 0; r < 3000; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        NumberSet row;
        for (int p = 0; p < 10; ++p) row.Add(pool[static_cast<std::size_t>(p)]);
        rows.push_back(row);
    }
    double worst = 0;
    for (auto _ : state) {
        std::stop_source source;
        std::chrono::steady_clock::time_point requested;
        std::jthread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            requested = std::chrono::steady_clock::now();
            source.request_stop();
        });
        EvaluateHits(rows, 100, 2, 10, {}, source.get_token());
        const std::chrono::duration<double> latency = std::chrono::steady_clock::now() - requested;
        worst = std::max(worst, latency.count());
        state.SetIterationTime(latency.count());
    }
    state.counters["worst_ms"] = worst * 1000;
}

}  // namespace

// The plain runs come first so that each engine run can state its ratio. The plain run of
// the 49-number system takes about a minute.
BENCHMARK(BM_Plain)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Engine)
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 1})
    ->Args({1, 2})
    ->ArgNames({"case", "threads"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StopLatency)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
