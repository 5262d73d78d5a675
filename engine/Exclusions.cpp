#include "engine/Exclusions.h"

#include "text/CodePageText.h"

namespace {

// Whether the text holds a "\" character (not the trail byte of a double-byte one).
bool HoldsBackslash(const CString& text, const CodePageText& cp) {
    for (const char* p = text.c_str(); *p; p = cp.Next(p))
        if (*p == '\\') return true;
    return false;
}

// The pattern without a "\" at its start or end; a trail byte "\" stays.
CString WithoutOuterBackslashes(const CString& pattern, const CodePageText& cp) {
    const char* begin = pattern.c_str();
    while (*begin == '\\') ++begin;
    const char* end = begin;
    for (const char* p = begin; *p; p = cp.Next(p))
        if (*p != '\\') end = cp.Next(p);
    return CString(begin, static_cast<size_t>(end - begin));
}

}  // namespace

void SplitExclusionText(const CString& exclusionText, CStringList& names, CStringList& paths) {
    const CodePageText& cp = CodePageText::System();
    CStringList patterns;
    SplitFilterText(exclusionText, patterns);
    for (const CString& pattern : patterns) {
        if (!HoldsBackslash(pattern, cp)) {
            names.push_back(pattern);
            continue;
        }
        CString path = WithoutOuterBackslashes(pattern, cp);
        if (!path.empty()) paths.push_back(path);
    }
}

Exclusions::Exclusions(const CStringList& names, const CStringList& paths, const TextEncoding& encoding)
    : names_(names, encoding), paths_(paths, encoding), anyPaths_(!paths.empty()) {}

bool Exclusions::Exclude(const CString& folderText, size_t belowListed, const CString& name) const {
    if (names_.Matches(name)) return true;
    if (!anyPaths_) return false;
    path_.assign(folderText, belowListed, CString::npos);
    path_ += name;
    return paths_.Matches(path_);
}
