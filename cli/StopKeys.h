#pragma once
// Ctrl+C and Ctrl+Break as the console program's Cancel: while one of these objects lives,
// either asks the run to stop, and the run writes what it has found, as after Cancel in the
// dialog. Only one at a time.
#include "engine/ListingRun.h"

class StopKeys {
public:
    explicit StopKeys(ListingRun& run);
    ~StopKeys();
    StopKeys(const StopKeys&) = delete;
    StopKeys& operator=(const StopKeys&) = delete;
};
