#pragma once
// The exclusions: ";"-separated wildcard patterns (the filter's matcher and letter-case rule)
// for entries that are neither listed nor, when folders, entered. A pattern holding a "\" (or
// "/") is matched against the entry's real path below the listed folder ("docs\old"), its
// wildcards within one name each; any other against its real name alone.
#include <cstddef>
#include <string>

#include "engine/WildcardFilter.h"
#include "text/TextEncoding.h"

// Appends the patterns of an exclusion text to names or to paths, each without the blanks
// around it. A path pattern is written with "\" for "/" and loses a "\" or ".\" at its start
// and a "\" at its end: paths below the listed folder have none there, so "\build", ".\build",
// "build/" all name the listed folder's own "build".
void SplitExclusionText(const std::wstring& exclusionText, PatternList& names, PatternList& paths);

// The exclusions of one run, for one thread (as a WildcardFilter is).
class Exclusions {
public:
    Exclusions(const PatternList& names, const PatternList& paths, const TextEncoding& encoding);

    // Whether the entry named name is left out; its folder's real path from belowListed on is
    // that folder's path below the listed one (empty, or ending in "\").
    bool Exclude(const std::wstring& folderPath, size_t belowListed, const wchar_t* name) const;

private:
    WildcardFilter names_;
    WildcardFilter paths_;
    bool anyPaths_;
    mutable std::wstring path_;  // reused for one entry at a time
};
