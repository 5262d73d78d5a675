#pragma once
// The filter: ";"-separated wildcard patterns ("*" any run of characters, "?" one character),
// matched against entries' real (UTF-16) names without regard to letter case, as the output's
// encoding upper-cases them (TextEncoding::ToUpperWide). A character is one UTF-16 unit, or a
// surrogate pair.
#include <cstddef>
#include <string>
#include <vector>

#include "text/TextEncoding.h"

using PatternList = std::vector<std::wstring>;

// Appends the patterns of a filter text in order; empty pieces give none, nothing is trimmed.
// The caller empties the list first when it wants only these.
void SplitFilterText(const std::wstring& filterText, PatternList& patterns);

// What the wildcards may stand for. In a path below the listed folder ("docs\*\old") a "*" or
// "?" stands for characters of one name, never for the "\" between two names.
enum class WildcardScope { Name, Path };

// Whether the name matches the pattern. Both are compared as given (the caller upper-cases
// them). A "*" that is not last must be followed by at least one name character.
bool MatchWildcard(const std::wstring& pattern, const std::wstring& name, WildcardScope scope = WildcardScope::Name);

// The patterns of one run, upper-cased and taken apart into characters once. A name is
// matched in buffers the filter keeps, so that matching allocates nothing once they have
// grown: one thread at a time uses a filter (each reader of a run has a copy of its own).
class WildcardFilter {
public:
    WildcardFilter(const PatternList& patterns, const TextEncoding& encoding,
                   WildcardScope scope = WildcardScope::Name);
    // Whether any pattern matches the name (zero-terminated); an empty list admits nothing.
    bool Matches(const wchar_t* name) const;

private:
    struct Pattern {
        std::wstring text;
        std::vector<size_t> starts;  // where each character starts, and the end
    };
    const TextEncoding* encoding_;
    WildcardScope scope_;
    std::vector<Pattern> patterns_;
    // Reused for one name at a time.
    mutable std::wstring upperName_;
    mutable std::vector<size_t> nameStarts_;
    mutable std::vector<char> next_, current_;
};
