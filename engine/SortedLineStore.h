#pragma once
// The finished lines of a run, held in memory until the end. Entry lines are kept in ascending
// order, compared without regard to case; the header and footer are put around them last.
#include <cstddef>
#include <functional>

#include "engine/LineSequence.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// A seam for tests: a call made before each entry line is kept, so that a test can make the
// store's allocation fail (throw std::bad_alloc). Never set in the programs; set it only while
// no run is going.
void SetBeforeInsertForTests(std::function<void()> call);

class SortedLineStore {
public:
    // Lines are compared by the encoding's order.
    explicit SortedLineStore(const TextEncoding& encoding) : encoding_(encoding) {}

    // Puts the line where a binary search over the current lines lands: after every line that
    // compares smaller, before every line that compares greater; among equal lines, where the
    // search first meets one (that choice shows in the output, so it is kept exactly). The
    // search runs on the range of equal lines, found near the previous insertion.
    void InsertLine(const CString& line);
    void AddFirst(const CString& line);
    void AddLast(const CString& line);

    size_t Count() const { return lines_.Count(); }
    // Visits the lines in order until the visitor returns false; returns whether all were visited.
    bool ForEachLine(const std::function<bool(const char* text, size_t length)>& visit) const;
    void Clear();

private:
    const TextEncoding& encoding_;
    LineSequence lines_;
    size_t lastInsertion_ = 0;
};
