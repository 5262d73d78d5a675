#include "engine/WildcardFilter.h"

#include <cwchar>
#include <utility>

void SplitFilterText(const std::wstring& filterText, PatternList& patterns) {
    size_t start = 0;
    for (;;) {
        const size_t end = filterText.find(L';', start);
        const size_t stop = end == std::wstring::npos ? filterText.size() : end;
        if (stop > start) patterns.push_back(filterText.substr(start, stop - start));
        if (end == std::wstring::npos) return;
        start = end + 1;
    }
}

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Offsets where each character starts, plus the end offset (replacing what starts held).
void CharacterStarts(const std::wstring& text, std::vector<size_t>& starts) {
    starts.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        starts.push_back(i);
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
    }
    starts.push_back(text.size());
}

bool IsSeparator(const wchar_t* character, size_t length) { return length == 1 && *character == L'\\'; }

bool CharacterMatches(const wchar_t* pattern, size_t patternLength, const wchar_t* name, size_t nameLength,
                      WildcardScope scope) {
    if (patternLength == 1 && *pattern == L'?')
        return scope == WildcardScope::Name || !IsSeparator(name, nameLength);
    return patternLength == nameLength && std::wmemcmp(pattern, name, nameLength) == 0;
}

// Decides the recursive definition (a "*" tries every later position of the name, from the
// current one up to, not including, its end; in a path, up to the next "\") bottom-up over
// character positions: the same results in pattern length x name length steps, with no
// recursion to overflow the stack.
// ps, ns: the character starts of pattern and name; next, current: rows to work in.
bool MatchStarts(const wchar_t* pattern, const std::vector<size_t>& ps, const wchar_t* name,
                 const std::vector<size_t>& ns, WildcardScope scope, std::vector<char>& next,
                 std::vector<char>& current) {
    const size_t np = ps.size() - 1, nn = ns.size() - 1;
    // next[j]: does the pattern from character i+1 on match the name from character j on.
    next.assign(nn + 1, 0);
    current.assign(nn + 1, 0);
    next[nn] = 1;
    for (size_t i = np; i-- > 0;) {
        const wchar_t* pc = pattern + ps[i];
        const size_t pl = ps[i + 1] - ps[i];
        if (pl == 1 && *pc == L'*') {
            const bool last = i + 1 == np;
            // Whether the rest matches from some position the "*" can reach from j on.
            char reach = last;
            current[nn] = last;
            for (size_t j = nn; j-- > 0;) {
                const bool separator =
                    scope == WildcardScope::Path && IsSeparator(name + ns[j], ns[j + 1] - ns[j]);
                reach = separator ? next[j] : static_cast<char>(reach || next[j]);
                current[j] = reach;
            }
        } else {
            current[nn] = 0;
            for (size_t j = 0; j < nn; ++j) {
                current[j] = next[j + 1] && CharacterMatches(pc, pl, name + ns[j], ns[j + 1] - ns[j], scope);
            }
        }
        next.swap(current);
    }
    return next[0] != 0;
}

}  // namespace

bool MatchWildcard(const std::wstring& pattern, const std::wstring& name, WildcardScope scope) {
    std::vector<size_t> ps, ns;
    std::vector<char> next, current;
    CharacterStarts(pattern, ps);
    CharacterStarts(name, ns);
    return MatchStarts(pattern.c_str(), ps, name.c_str(), ns, scope, next, current);
}

WildcardFilter::WildcardFilter(const PatternList& patterns, const TextEncoding& encoding, WildcardScope scope)
    : encoding_(&encoding), scope_(scope) {
    for (const std::wstring& text : patterns) {
        Pattern pattern{text, {}};
        encoding.ToUpperWide(&pattern.text[0], pattern.text.size());
        CharacterStarts(pattern.text, pattern.starts);
        patterns_.push_back(std::move(pattern));
    }
}

bool WildcardFilter::Matches(const wchar_t* name) const {
    if (patterns_.empty()) return false;
    upperName_.assign(name);
    encoding_->ToUpperWide(&upperName_[0], upperName_.size());
    CharacterStarts(upperName_, nameStarts_);
    for (const Pattern& pattern : patterns_)
        if (MatchStarts(pattern.text.c_str(), pattern.starts, upperName_.c_str(), nameStarts_, scope_, next_, current_))
            return true;
    return false;
}
