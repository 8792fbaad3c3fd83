// The kernel built for CPUs with the POPCNT instruction; chosen at run time only where the
// CPU reports it. Standard headers come first so that nothing shared is built for it.
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

#include "evaluation/hit_kernel.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define KOMBORA_HAVE_POPCOUNT_KERNEL 1
#endif

#if defined(KOMBORA_HAVE_POPCOUNT_KERNEL)
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("popcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("popcnt")
#endif
#define KOMBORA_HIT_KERNEL_ENTRY WorkHardwarePopcount
#include "evaluation/hit_kernel_impl.h"
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

namespace kombora::hit_kernel {

bool HardwarePopcountSupported() {
    return __builtin_cpu_supports("popcnt");
}

}  // namespace kombora::hit_kernel

#else

namespace kombora::hit_kernel {

bool HardwarePopcountSupported() {
    return false;
}

bool WorkHardwarePopcount(HitCountJob& job, MatchCounts& counts) {
    return WorkGeneric(job, counts);
}

}  // namespace kombora::hit_kernel

#endif
