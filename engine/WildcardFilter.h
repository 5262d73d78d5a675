#pragma once
// The filter: ";"-separated wildcard patterns ("*" any run of characters, "?" one character),
// matched against entry names without regard to letter case, character by character in the
// output's encoding.
#include <cstddef>
#include <vector>

#include "framework/Strings.h"
#include "text/TextEncoding.h"

// Appends the patterns of a filter text (in the ANSI code page) in order; empty pieces give
// none, nothing is trimmed. The caller empties the list first when it wants only these.
void SplitFilterText(const CString& filterText, CStringList& patterns);

// Whether the name matches the pattern. Both are compared as given (the caller upper-cases
// them). A "*" that is not last must be followed by at least one name character.
bool MatchWildcard(const char* pattern, const char* name, const TextEncoding& encoding);

// The patterns of one run, upper-cased and taken apart into characters once. A name is
// matched in buffers the filter keeps, so that matching allocates nothing once they have
// grown: one thread at a time uses a filter (each reader of a run has a copy of its own).
class WildcardFilter {
public:
    WildcardFilter(const CStringList& patterns, const TextEncoding& encoding);
    // Whether any pattern matches the name; an empty list admits nothing.
    bool Matches(const CString& name) const;

private:
    struct Pattern {
        CString text;
        std::vector<size_t> starts;  // where each character starts, and the end
    };
    const TextEncoding* encoding_;
    std::vector<Pattern> patterns_;
    // Reused for one name at a time.
    mutable CString upperName_;
    mutable std::vector<size_t> nameStarts_;
    mutable std::vector<char> next_, current_;
};
