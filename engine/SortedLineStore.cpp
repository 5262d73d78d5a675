#include "engine/SortedLineStore.h"

#include <utility>

#include "engine/InsertionSearch.h"

namespace {

std::function<void()>& BeforeInsert() {
    static std::function<void()> call;
    return call;
}

}  // namespace

void SetBeforeInsertForTests(std::function<void()> call) { BeforeInsert() = std::move(call); }

void SortedLineStore::InsertLine(const CString& line) {
    if (BeforeInsert()) BeforeInsert()();
    const size_t n = lines_.Count();
    // The order is a total preorder, so the search's outcome at any index follows from where
    // the equal lines stand: the placement is the full search's, comparison for comparison.
    const auto equal = EqualRangeNear(n, lastInsertion_,
                                      [&](size_t i) { return encoding_.Compare(line.c_str(), lines_.At(i)); });
    lastInsertion_ = InsertionIndexFromRange(n, equal);
    lines_.InsertAt(lastInsertion_, line.data(), line.size());
}

void SortedLineStore::AddFirst(const CString& line) { lines_.InsertAt(0, line.data(), line.size()); }

void SortedLineStore::AddLast(const CString& line) { lines_.InsertAt(lines_.Count(), line.data(), line.size()); }

bool SortedLineStore::ForEachLine(const std::function<bool(const char* text, size_t length)>& visit) const {
    return lines_.ForEach(visit);
}

void SortedLineStore::Clear() {
    lines_.Clear();
    lastInsertion_ = 0;
}
