#pragma once
// The exclusions: ";"-separated wildcard patterns (the filter's matcher and letter-case rule)
// for entries that are neither listed nor, when folders, entered. A pattern holding a "\" is
// matched against the entry's path below the listed folder ("docs\old"), any other against
// its name alone.
#include <cstddef>

#include "engine/WildcardFilter.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// Appends the patterns of an exclusion text (in the ANSI code page) to names or to paths. A
// path pattern loses a "\" at either end: paths below the listed folder have none there, so
// "\build" and "build\" both name the listed folder's own "build".
void SplitExclusionText(const CString& exclusionText, CStringList& names, CStringList& paths);

// The exclusions of one run, for one thread (as a WildcardFilter is).
class Exclusions {
public:
    Exclusions(const CStringList& names, const CStringList& paths, const TextEncoding& encoding);

    // Whether the entry named name is left out; its folder's text from belowListed on is that
    // folder's path below the listed one (empty, or ending in "\").
    bool Exclude(const CString& folderText, size_t belowListed, const CString& name) const;

private:
    WildcardFilter names_;
    WildcardFilter paths_;
    bool anyPaths_;
    mutable CString path_;  // reused for one entry at a time
};
