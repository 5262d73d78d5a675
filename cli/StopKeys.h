#pragma once
// Ctrl+C and Ctrl+Break as the console program's Cancel: while one of these objects lives,
// either asks the run (or a check of a checksum file) to stop, and the run writes what it has found, as after Cancel in the
// dialog. Only one at a time.
#include <functional>

#include "engine/ListingRun.h"
#include "framework/StopSignal.h"

class StopKeys {
public:
    explicit StopKeys(ListingRun& run);
    explicit StopKeys(StopSignal& stop);
    ~StopKeys();
    StopKeys(const StopKeys&) = delete;
    StopKeys& operator=(const StopKeys&) = delete;

private:
    explicit StopKeys(std::function<void()> stop);
};
