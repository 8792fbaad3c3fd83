#include "evaluation/hit_engine.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/binomial.h"
#include "evaluation/draws.h"
#include "evaluation/hit_kernel.h"

namespace kombora {
namespace hit_kernel {

PreparedRows Prepare(std::span<const NumberSet> rowSets, int n) {
    PreparedRows p;
    p.n = n;
    p.words = n <= 64 ? 1 : (n <= 128 ? 2 : 4);
    p.rowCount = static_cast<uint32_t>(rowSets.size());
    const std::size_t w = static_cast<std::size_t>(p.words);

    std::vector<uint64_t> rowBits(rowSets.size() * w, 0);
    std::vector<uint32_t> holders(static_cast<std::size_t>(n) + 2, 0);
    for (std::size_t r = 0; r < rowSets.size(); ++r) {
        for (int x = 1; x <= n; ++x) {
            if (!rowSets[r].Contains(x)) continue;
            rowBits[r * w + static_cast<std::size_t>((x - 1) >> 6)] |= uint64_t{1}
                                                                       << ((x - 1) & 63);
            ++holders[static_cast<std::size_t>(x)];
        }
    }

    p.allRows.assign(w, 0);
    for (std::size_t r = 0; r < rowSets.size(); ++r) {
        for (std::size_t i = 0; i < w; ++i) p.allRows[i] |= rowBits[r * w + i];
    }

    p.above.assign((static_cast<std::size_t>(n) + 1) * w, 0);
    for (int x = 0; x <= n; ++x) {
        for (int y = x + 1; y <= n; ++y) {
            p.above[static_cast<std::size_t>(x) * w + static_cast<std::size_t>((y - 1) >> 6)] |=
                uint64_t{1} << ((y - 1) & 63);
        }
    }

    p.listStart.assign(static_cast<std::size_t>(n) + 2, 0);
    for (int x = 1; x <= n + 1; ++x) {
        p.listStart[static_cast<std::size_t>(x)] =
            p.listStart[static_cast<std::size_t>(x - 1)] + holders[static_cast<std::size_t>(x - 1)];
    }
    // Entries of number x start at listStart[x]; holders[0] is always 0.
    const std::size_t entries = p.listStart[static_cast<std::size_t>(n) + 1];
    p.listRow.assign(entries, 0);
    p.listBits.assign(entries * w, 0);
    std::vector<uint32_t> fill(p.listStart.begin(), p.listStart.end());
    for (std::size_t r = 0; r < rowSets.size(); ++r) {
        for (int x = 1; x <= n; ++x) {
            const uint64_t bit = uint64_t{1} << ((x - 1) & 63);
            if ((rowBits[r * w + static_cast<std::size_t>((x - 1) >> 6)] & bit) == 0) continue;
            const std::size_t e = fill[static_cast<std::size_t>(x)]++;
            p.listRow[e] = static_cast<uint32_t>(r);
            for (std::size_t i = 0; i < w; ++i) p.listBits[e * w + i] = rowBits[r * w + i];
        }
    }
    return p;
}

}  // namespace hit_kernel

namespace {

using hit_kernel::HitCountJob;
using hit_kernel::MatchCounts;
using hit_kernel::PreparedRows;

// The t-number prefixes of the draws of k out of 1..n that leave room for the rest.
std::vector<std::array<uint8_t, 3>> TaskPrefixes(int n, int k, int t) {
    std::vector<std::array<uint8_t, 3>> prefixes;
    DrawEnumerator firsts(n - (k - t), t);
    while (firsts.Next()) {
        std::array<uint8_t, 3> prefix{};
        for (int i = 0; i < t; ++i)
            prefix[static_cast<std::size_t>(i)] = static_cast<uint8_t>(firsts[i]);
        prefixes.push_back(prefix);
    }
    return prefixes;
}

bool UseHardwarePopcount(KernelChoice choice) {
    if (choice == KernelChoice::Generic) return false;
    return hit_kernel::HardwarePopcountSupported();
}

// Runs the kernel for one hit count on `threads` workers while the calling thread reports
// progress. Returns true when every draw was counted.
bool CountHitCount(const PreparedRows& rows, int k, int threads, bool hardware,
                   std::atomic<bool>& stopFlag, int64_t drawsBefore, int64_t drawTotal,
                   const EvaluationCallbacks& callbacks, MatchCounts& counts) {
    HitCountJob job;
    job.rows = &rows;
    job.k = k;
    job.prefixLength = std::min(k - 1, 3);
    job.prefixes = TaskPrefixes(rows.n, k, job.prefixLength);
    job.stop = &stopFlag;
    std::atomic<int64_t> drawsDone{0};
    job.drawsDone = &drawsDone;

    const int workers = static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), job.prefixes.size()));
    std::mutex mutex;
    std::condition_variable finished;
    int running = workers;
    bool complete = true;
    std::exception_ptr failure;

    auto work = [&] {
        MatchCounts local{};
        bool done = false;
        std::exception_ptr error;
        try {
            done = hardware ? hit_kernel::WorkHardwarePopcount(job, local)
                            : hit_kernel::WorkGeneric(job, local);
        } catch (...) {
            error = std::current_exception();
            stopFlag.store(true);  // the other workers need not finish for nothing
        }
        std::lock_guard lock(mutex);
        for (std::size_t m = 0; m < counts.size(); ++m) counts[m] += local[m];
        complete = complete && done;
        if (error && !failure) failure = error;
        if (--running == 0) finished.notify_all();
    };

    {
        std::vector<std::jthread> pool;
        pool.reserve(static_cast<std::size_t>(workers));
        try {
            for (int i = 0; i < workers; ++i) pool.emplace_back(work);
        } catch (...) {
            // Threads that could not start count as finished; the ones running end normally.
            std::lock_guard lock(mutex);
            running -= workers - static_cast<int>(pool.size());
            if (pool.empty()) throw;
        }
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(50));
            if (running > 0 && callbacks.progress) {
                lock.unlock();
                try {
                    callbacks.progress(drawsBefore + drawsDone.load(std::memory_order_relaxed),
                                       drawTotal);
                } catch (...) {
                    // The workers stop before the error leaves; the threads are joined.
                    stopFlag.store(true);
                    throw;
                }
                lock.lock();
            }
        }
    }
    if (failure) std::rethrow_exception(failure);
    return complete && job.next.load() >= job.prefixes.size();
}

}  // namespace

bool HardwarePopcountAvailable() {
    return hit_kernel::HardwarePopcountSupported();
}

EvaluationResult EvaluateHits(std::span<const NumberSet> rowSets, int wz, int firstHitCount,
                              int lastHitCount, const EvaluationOptions& options,
                              std::stop_token stop, const EvaluationCallbacks& callbacks) {
    if (wz < 0 || wz > 255) {
        throw std::invalid_argument("the pool size " + std::to_string(wz) + " is outside 0..255");
    }
    EvaluationResult result;
    result.wz = wz;
    result.firstHitCount = std::max(firstHitCount, kMinHitCount);
    result.lastHitCount = std::min(lastHitCount, kMaxHitCount);
    result.drawTotal = DrawTotal(wz, result.lastHitCount, result.firstHitCount);
    if (result.lastHitCount < result.firstHitCount) return result;

    std::atomic<bool> stopFlag{false};
    std::stop_callback onStop(stop, [&stopFlag] { stopFlag.store(true); });

    const PreparedRows rows = hit_kernel::Prepare(rowSets, wz);
    int threads = options.threads;
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const bool hardware = UseHardwarePopcount(options.kernel);

    for (int k = result.firstHitCount; k <= result.lastHitCount; ++k) {
        auto& state = result.state[static_cast<std::size_t>(k)];
        if (stopFlag.load()) {
            state = HitCountState::Skipped;
            result.stopped = true;
        } else if (k > wz) {
            state = HitCountState::Complete;  // no draw of k numbers exists
        } else {
            if (callbacks.hitCountStarted) callbacks.hitCountStarted(k, Binomial(wz, k));
            MatchCounts counts{};
            const bool complete =
                CountHitCount(rows, k, threads, hardware, stopFlag, result.drawsDone,
                              result.drawTotal, callbacks, counts);
            for (int m = 1; m <= k; ++m) result.tally(k, m) = counts[static_cast<std::size_t>(m)];
            for (int64_t c : counts) result.drawsDone += c;
            state = complete ? HitCountState::Complete : HitCountState::Partial;
            if (!complete) result.stopped = true;
            if (callbacks.progress) callbacks.progress(result.drawsDone, result.drawTotal);
        }
        if (callbacks.hitCountFinished) callbacks.hitCountFinished(result, k);
    }
    return result;
}

EvaluationResult EvaluateFullSystem(int wz, int rg, std::stop_token stop,
                                    const EvaluationCallbacks& callbacks) {
    EvaluationResult result;
    result.wz = wz;
    result.firstHitCount = kMinHitCount;
    result.lastHitCount = std::min(rg, kMaxHitCount);
    result.drawTotal = DrawTotal(wz, result.lastHitCount, result.firstHitCount);
    for (int k = result.firstHitCount; k <= result.lastHitCount; ++k) {
        if (stop.stop_requested()) {
            result.state[static_cast<std::size_t>(k)] = HitCountState::DrawCountOnly;
            result.stopped = true;
            break;
        }
        const int64_t draws = Binomial(wz, k);
        if (callbacks.hitCountStarted) callbacks.hitCountStarted(k, draws);
        result.tally(k, k) = draws;
        result.drawsDone += draws;
        result.state[static_cast<std::size_t>(k)] = HitCountState::Complete;
        if (callbacks.hitCountFinished) callbacks.hitCountFinished(result, k);
    }
    if (!result.stopped && callbacks.progress)
        callbacks.progress(result.drawsDone, result.drawTotal);
    return result;
}

}  // namespace kombora
