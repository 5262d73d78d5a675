#include "ReferenceLineStore.h"

#include "engine/InsertionSearch.h"
#include "text/CodePageText.h"

void ReferenceLineStore::InsertLine(const std::string& line) {
    const CodePageText& cp = CodePageText::System();
    const size_t index =
        InsertionIndex(lines_.size(), [&](size_t i) { return cp.Compare(line.c_str(), lines_[i].c_str()); });
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), line);
}
