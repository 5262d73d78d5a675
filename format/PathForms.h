#pragma once
// The forms an entry's path column can take: absolute or relative, URL form, upper or lower case.
#include "format/ListingOptions.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// Backslashes become "/". Absolute: "file://" is put in front and nothing else changes (not
// even spaces; a drive letter follows the prefix directly, a UNC path gets four slashes).
// Relative: no prefix, and single bytes 0x01 to 0x20 become "%" and two lower-case hex digits.
// Characters of several bytes are copied whole, so a trail byte 0x5C never turns into "/".
CString MakeUrlForm(const CString& path, bool absolute, const TextEncoding& encoding);

// The path column: directory text and name, then the URL form and the letter case the
// options ask for (lower case last, so it wins when both are set).
void MakePathText(const CString& dir, const CString& name, const ListingOptions& options,
                  const TextEncoding& encoding, CString& path);
