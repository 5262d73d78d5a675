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
std::vector<size_t> CharacterStarts(const char* text) {
    const CodePageText& cp = CodePageText::System();
    std::vector<size_t> starts;
    const char* p = text;
    for (; *p; p = cp.Next(p)) starts.push_back(p - text);
    starts.push_back(p - text);
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
bool MatchWildcard(const char* pattern, const char* name) {
    const std::vector<size_t> ps = CharacterStarts(pattern);
    const std::vector<size_t> ns = CharacterStarts(name);
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

bool MatchesFilter(const CStringList& patterns, const char* name) {
    const CodePageText& cp = CodePageText::System();
    for (const CString& pattern : patterns) {
        CString upperPattern = pattern;
        CString upperName = name;
        cp.ToUpper(upperPattern);
        cp.ToUpper(upperName);
        if (MatchWildcard(upperPattern.c_str(), upperName.c_str())) return true;
    }
    return false;
}
