#include "engine/Exclusions.h"

void SplitExclusionText(const std::wstring& exclusionText, PatternList& names, PatternList& paths) {
    PatternList patterns;
    SplitFilterText(exclusionText, patterns);
    for (const std::wstring& pattern : patterns) {
        if (pattern.find(L'\\') == std::wstring::npos) {
            names.push_back(pattern);
            continue;
        }
        const size_t first = pattern.find_first_not_of(L'\\');
        if (first != std::wstring::npos)
            paths.push_back(pattern.substr(first, pattern.find_last_not_of(L'\\') + 1 - first));
    }
}

Exclusions::Exclusions(const PatternList& names, const PatternList& paths, const TextEncoding& encoding)
    : names_(names, encoding), paths_(paths, encoding), anyPaths_(!paths.empty()) {}

bool Exclusions::Exclude(const std::wstring& folderPath, size_t belowListed, const wchar_t* name) const {
    if (names_.Matches(name)) return true;
    if (!anyPaths_) return false;
    path_.assign(folderPath, belowListed, std::wstring::npos);
    path_ += name;
    return paths_.Matches(path_.c_str());
}
