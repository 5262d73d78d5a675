#include "engine/Exclusions.h"

namespace {

// Blanks typed around a pattern ("*.tmp; docs") are no part of a name.
std::wstring WithoutBlanks(const std::wstring& pattern) {
    const size_t first = pattern.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return std::wstring();
    return pattern.substr(first, pattern.find_last_not_of(L" \t") + 1 - first);
}

// The path below the listed folder that a path pattern names, "\" between its names.
std::wstring BelowListedFolder(std::wstring pattern) {
    for (wchar_t& c : pattern)
        if (c == L'/') c = L'\\';
    size_t first = 0;
    for (;;) {
        if (pattern.compare(first, 1, L"\\") == 0) ++first;
        else if (pattern.compare(first, 2, L".\\") == 0) first += 2;
        else break;
    }
    const size_t last = pattern.find_last_not_of(L'\\');
    if (last == std::wstring::npos || last < first) return std::wstring();
    return pattern.substr(first, last + 1 - first);
}

}  // namespace

void SplitExclusionText(const std::wstring& exclusionText, PatternList& names, PatternList& paths) {
    PatternList patterns;
    SplitFilterText(exclusionText, patterns);
    for (const std::wstring& typed : patterns) {
        const std::wstring pattern = WithoutBlanks(typed);
        if (pattern.empty()) continue;
        if (pattern.find_first_of(L"\\/") == std::wstring::npos) {
            names.push_back(pattern);
            continue;
        }
        const std::wstring path = BelowListedFolder(pattern);
        if (!path.empty()) paths.push_back(path);
    }
}

Exclusions::Exclusions(const PatternList& names, const PatternList& paths, const TextEncoding& encoding)
    : names_(names, encoding), paths_(paths, encoding, WildcardScope::Path), anyPaths_(!paths.empty()) {}

bool Exclusions::Exclude(const std::wstring& folderPath, size_t belowListed, const wchar_t* name) const {
    if (names_.Matches(name)) return true;
    if (!anyPaths_) return false;
    path_.assign(folderPath, belowListed, std::wstring::npos);
    path_ += name;
    return paths_.Matches(path_.c_str());
}
