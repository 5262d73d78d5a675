#pragma once
// One directory entry into its placeholder texts and its output line.
#include <windows.h>

#include <cstddef>

#include "format/EntryTexts.h"
#include "format/ListingOptions.h"
#include "framework/Strings.h"

// Fills the entry's texts (FILE, PATH, COUNT, SIZE, DATE, ATTRIBUTE, and CRC / VERSION /
// PRODUCTVERSION when needed) and returns its line: the list form (path and the switched-on
// columns, tab-separated) or, in template mode, the expanded repeat text.
// DIR and LOCATION must already hold the entry's directory; linesBefore gives COUNT.
// name is the entry's whole name: the record's 260 bytes can hold only part of a long one.
CString FormatEntry(const ListingOptions& options, EntryTexts& texts, const WIN32_FIND_DATAA& entry,
                    const CString& name, size_t linesBefore);

// "%Y/%m/%d %H:%M:%S" of the time in local time; empty when it cannot be converted.
// Written into date in place (once per entry: no new string each time).
void LocalDateText(const FILETIME& utc, CString& date);

// Five characters D R A H S, each a space when its attribute bit is clear.
CString AttributeLetters(DWORD attributes);
