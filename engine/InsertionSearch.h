#pragma once
// Where a new line goes among n sorted lines. Next to lines that compare equal, the path of the
// binary search decides the side, and that choice shows in the output; every store therefore
// places lines with InsertionIndex. compareAt(i) compares the new line with line i (<0, 0, >0).
#include <cstddef>
#include <utility>

// The binary search: after every line that compares smaller, before every line that compares
// greater, and among equal lines where the search first meets one.
template <class CompareAt>
size_t InsertionIndex(size_t n, CompareAt compareAt) {
    if (n == 0) return 0;
    size_t lo = 0, hi = n - 1, mid = (n - 1) / 2, offset = 0;
    for (;;) {
        const size_t previous = mid;
        const int order = compareAt(mid);
        if (order == 0) break;
        if (order > 0) {
            offset = 1;
            if (hi - mid == 1) {
                lo = hi;
                mid = hi;
            } else {
                lo = mid;
                mid = (mid + hi) / 2;
            }
        } else {
            offset = 0;
            if (mid - lo == 1) {
                hi = lo;
                mid = lo;
            } else {
                hi = mid;
                mid = (mid + lo) / 2;
            }
        }
        if (mid == previous) break;
    }
    return mid + offset;
}

// The lines equal to the new one: [first not smaller, first greater). Found by galloping out
// from a hint (the previous insertion: a walk produces neighbouring lines one after another),
// so a clustered sequence of insertions costs a few comparisons each.
template <class CompareAt>
std::pair<size_t, size_t> EqualRangeNear(size_t n, size_t hint, CompareAt compareAt) {
    if (hint > n) hint = n;
    size_t lo, hi;  // the first line not smaller lies in [lo, hi]
    if (hint < n && compareAt(hint) > 0) {
        size_t step = 1;
        lo = hint + 1;
        while (lo + step - 1 < n && compareAt(lo + step - 1) > 0) {
            lo += step;
            step *= 2;
        }
        hi = lo + step - 1 < n ? lo + step - 1 : n;
    } else {
        size_t step = 1;
        hi = hint;
        while (hi >= step && compareAt(hi - step) <= 0) {
            hi -= step;
            step *= 2;
        }
        lo = hi >= step ? hi - step + 1 : 0;
    }
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (compareAt(mid) > 0) lo = mid + 1;
        else hi = mid;
    }
    const size_t first = lo;
    size_t step = 1;  // the first greater line, galloping right over the equal ones
    while (lo + step - 1 < n && compareAt(lo + step - 1) == 0) {
        lo += step;
        step *= 2;
    }
    hi = lo + step - 1 < n ? lo + step - 1 : n;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (compareAt(mid) == 0) lo = mid + 1;
        else hi = mid;
    }
    return {first, lo};
}

// InsertionIndex's answer from the equal range alone: the search is replayed on indices, with
// the outcome every comparison would have had. Needs no line text, so it costs nothing more.
inline size_t InsertionIndexFromRange(size_t n, std::pair<size_t, size_t> equal) {
    return InsertionIndex(n, [equal](size_t i) { return i < equal.first ? 1 : i >= equal.second ? -1 : 0; });
}
