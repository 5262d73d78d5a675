#include "engine/EntryBatch.h"

#include <utility>

void EntryBatch::Reset(std::shared_ptr<const Directory> of, bool isFirst) {
    directory = std::move(of);
    first = isFirst;
    searchError = 0;
    count_ = 0;
}

void EntryBatch::Add(const WalkedEntry& entry) {
    if (count_ == entries_.size()) entries_.push_back(entry.found);
    else entries_[count_] = entry.found;  // into the strings' buffers of a batch before
    ++count_;
}
