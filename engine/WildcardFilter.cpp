#include "engine/WildcardFilter.h"

#include <cstring>
#include <utility>
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

// Byte offsets where each character starts, plus the end offset (replacing what starts held).
void CharacterStarts(const char* text, const TextEncoding& encoding, std::vector<size_t>& starts) {
    starts.clear();
    const char* p = text;
    for (; *p; p = encoding.Next(p)) starts.push_back(static_cast<size_t>(p - text));
    starts.push_back(static_cast<size_t>(p - text));
}

bool CharacterMatches(const char* pattern, size_t patternLength, const char* name, size_t nameLength) {
    if (patternLength == 1 && *pattern == '?') return true;
    return patternLength == nameLength && std::memcmp(pattern, name, nameLength) == 0;
}

// Decides the recursive definition (a "*" tries every later position of the name, from the
// current one up to, not including, its end) bottom-up over character positions: the same
// results in pattern length x name length steps, with no recursion to overflow the stack.
// ps, ns: the character starts of pattern and name; next, current: rows to work in.
bool MatchStarts(const char* pattern, const std::vector<size_t>& ps, const char* name,
                 const std::vector<size_t>& ns, std::vector<char>& next, std::vector<char>& current) {
    const size_t np = ps.size() - 1, nn = ns.size() - 1;
    // next[j]: does the pattern from character i+1 on match the name from character j on.
    next.assign(nn + 1, 0);
    current.assign(nn + 1, 0);
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

}  // namespace

bool MatchWildcard(const char* pattern, const char* name, const TextEncoding& encoding) {
    std::vector<size_t> ps, ns;
    std::vector<char> next, current;
    CharacterStarts(pattern, encoding, ps);
    CharacterStarts(name, encoding, ns);
    return MatchStarts(pattern, ps, name, ns, next, current);
}

WildcardFilter::WildcardFilter(const CStringList& patterns, const TextEncoding& encoding) : encoding_(&encoding) {
    for (const CString& text : patterns) {
        Pattern pattern{text, {}};
        encoding.ToUpper(pattern.text);
        CharacterStarts(pattern.text.c_str(), encoding, pattern.starts);
        patterns_.push_back(std::move(pattern));
    }
}

bool WildcardFilter::Matches(const CString& name) const {
    if (patterns_.empty()) return false;
    upperName_.assign(name);
    encoding_->ToUpper(upperName_);
    CharacterStarts(upperName_.c_str(), *encoding_, nameStarts_);
    for (const Pattern& pattern : patterns_)
        if (MatchStarts(pattern.text.c_str(), pattern.starts, upperName_.c_str(), nameStarts_, next_, current_))
            return true;
    return false;
}
