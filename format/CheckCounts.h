#pragma once
// What a check of a checksum file found: files that matched, did not, are missing or could
// not be read, and the lines that were no checksum line.
#include <cstddef>

struct CheckCounts {
    size_t ok = 0, failed = 0, missing = 0, unreadable = 0, malformed = 0;
};
