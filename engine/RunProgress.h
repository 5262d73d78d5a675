#pragma once
// How far a run has come, published by the run's thread for a front end on another (a count
// in a caption or on a console line). Relaxed atomics: a display needs no ordering.
#include <atomic>
#include <cstdint>

struct RunProgress {
    std::atomic<uint64_t> entriesFound{0};  // entries listed so far, one line each
    std::atomic<bool> writing{false};       // every entry is found; the output is being written
};
