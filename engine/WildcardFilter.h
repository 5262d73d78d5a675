#pragma once
// The filter: ";"-separated wildcard patterns ("*" any run of characters, "?" one character),
// matched against entry names without regard to letter case, double-byte aware.
#include "framework/Strings.h"

// Appends the patterns of a filter text in order; empty pieces give none, nothing is trimmed.
// The caller empties the list first when it wants only these.
void SplitFilterText(const CString& filterText, CStringList& patterns);

// Whether the name matches the pattern. Both are compared as given (the caller
// upper-cases them). A "*" that is not last must be followed by at least one name character.
bool MatchWildcard(const char* pattern, const char* name);

// Whether any pattern matches the name, both upper-cased; an empty list admits nothing.
bool MatchesFilter(const CStringList& patterns, const char* name);
