#pragma once
// What a comparison with an earlier listing found, entry by entry.
#include <cstdint>

struct ComparisonCounts {
    uint64_t added = 0;      // only in the listing now
    uint64_t removed = 0;    // only in the earlier listing
    uint64_t changed = 0;    // in both, with other columns
    uint64_t unchanged = 0;

    bool AnyDifference() const { return added + removed + changed > 0; }
};
