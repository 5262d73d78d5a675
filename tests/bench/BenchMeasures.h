#pragma once
// What the benchmarks share: the best of several rounds (the one least disturbed by the
// machine's other work), a rate in GB/s (10^9 bytes a second), and the same incompressible
// bytes for every run.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// bytes of xorshift32 output from a fixed seed.
inline std::vector<unsigned char> PseudoRandomBytes(size_t bytes) {
    std::vector<unsigned char> data(bytes);
    uint32_t x = 2463534242u;
    for (unsigned char& b : data) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<unsigned char>(x);
    }
    return data;
}
