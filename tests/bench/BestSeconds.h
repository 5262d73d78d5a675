#pragma once
// The benchmarks' clock: the best of several rounds (the one least disturbed by the machine's
// other work), and a rate in GB/s (10^9 bytes a second).
#include <chrono>
#include <cstdint>

template <typename Work>
double BestSeconds(int rounds, Work work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (seconds < best) best = seconds;
    }
    return best;
}

inline double Rate(uint64_t bytes, double seconds) { return static_cast<double>(bytes) / seconds / 1e9; }
