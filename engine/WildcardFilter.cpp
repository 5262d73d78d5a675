#include "engine/WildcardFilter.h"

#include <cstring>
#include <vector>

#include "text/CodePageText.h"

void SplitFilterText(const CString& filterText, CStringList& patterns) {
    const CodePageText& cp = CodePageText::System();
    const char* start = filterText.c_str();
    const char* p = start;
    for (;;) {
        if (*p == ';' || *p == '\0') {
            if (p > start) patterns.emplace_back(start, p - start);
            if (*p == '\0') return;
            start = ++p;
        } else {
            p = cp.Next(p);
        }
    }
}

namespace {

// Byte offsets where each character starts, plus the end offset.
std::vector<size_t> CharacterStarts(const char* text, const TextEncoding& encoding) {
    std::vector<size_t> starts;
    const char* p = text;
    for (; *p; p = encoding.Next(p)) starts.push_back(static_cast<size_t>(p - text));
    starts.push_back(static_cast<size_t>(p - text));
    return starts;
}

bool CharacterMatches(const char* pattern, size_t patternLength, const char* name, size_t nameLength) {
    if (patternLength == 1 && *pattern == '?') return true;
    return patternLength == nameLength && std::memcmp(pattern, name, nameLength) == 0;
}

}  // namespace

// Decides the recursive definition (a "*" tries every later position of the name, from the
// current one up to, not including, its end) bottom-up over character positions: the same
// results in pattern length x name length steps, with no recursion to overflow the stack.
bool MatchWildcard(const char* pattern, const char* name, const TextEncoding& encoding) {
    const std::vector<size_t> ps = CharacterStarts(pattern, encoding);
    const std::vector<size_t> ns = CharacterStarts(name, encoding);
    const size_t np = ps.size() - 1, nn = ns.size() - 1;
    // next[j]: does the pattern from character i+1 on match the name from character j on.
    std::vector<char> next(nn + 1, 0), current(nn + 1, 0);
    next[nn] = 1;
    for (size_t i = np; i-- > 0;) {
        const char* pc = pattern + ps[i];
        const size_t pl = ps[i + 1] - ps[i];
        if (pl == 1 && *pc == '*') {
            const bool last = i + 1 == np;
            char later = 0;  // any match from a position j..nn-1
            current[nn] = last;
            for (size_t j = nn; j-- > 0;) {
                later = later || next[j];
                current[j] = last || later;
            }
        } else {
            current[nn] = 0;
            for (size_t j = 0; j < nn; ++j) {
                current[j] = next[j + 1] && CharacterMatches(pc, pl, name + ns[j], ns[j + 1] - ns[j]);
            }
        }
        next.swap(current);
    }
    return next[0] != 0;
}

WildcardFilter::WildcardFilter(const CStringList& patterns, const TextEncoding& encoding)
    : encoding_(encoding), upperPatterns_(patterns) {
    for (CString& pattern : upperPatterns_) encoding_.ToUpper(pattern);
}

bool WildcardFilter::Matches(const CString& name) const {
    if (upperPatterns_.empty()) return false;
    upperName_.assign(name);
    encoding_.ToUpper(upperName_);
    for (const CString& pattern : upperPatterns_)
        if (MatchWildcard(pattern.c_str(), upperName_.c_str(), encoding_)) return true;
    return false;
}
