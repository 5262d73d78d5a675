#pragma once
// Listed entries of one directory as a reader read them, handed over whole between threads,
// each the found record the lines take.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/WalkRules.h"
#include "format/FoundEntry.h"

class EntryBatch {
public:
    // Empty, for the directory (its records' buffers are kept for reuse).
    void Reset(std::shared_ptr<const Directory> of, bool isFirst);
    // The walked entry's record (its content, when asked for, is read later).
    void Add(const WalkedEntry& entry);
    const FoundEntry& At(size_t index) const { return entries_[index]; }
    size_t Count() const { return count_; }

    std::shared_ptr<const Directory> directory;
    bool first = false;  // the directory's first batch: the walk turns to the directory here
    // In the directory's last batch: why its entries ended before they were all read (see
    // StepDirectory), 0 when they were.
    DWORD searchError = 0;

private:
    std::vector<FoundEntry> entries_;  // the first count_ are this batch's
    size_t count_ = 0;
};
