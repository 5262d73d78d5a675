#include "ReferenceLineStore.h"

#include "text/CodePageText.h"

size_t ReferenceLineStore::InsertionIndex(const std::string& line) const {
    const CodePageText& cp = CodePageText::System();
    if (lines_.empty()) return 0;
    size_t lo = 0, hi = lines_.size() - 1, mid = hi / 2, offset = 0;
    for (;;) {
        const size_t previous = mid;
        const int order = cp.Compare(line.c_str(), lines_[mid].c_str());
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

void ReferenceLineStore::InsertLine(const std::string& line) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(InsertionIndex(line)), line);
}
