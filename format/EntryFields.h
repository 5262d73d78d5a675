#pragma once
// The texts of an entry's own columns, made from its find record: date, size, attributes.
#include <windows.h>

#include <cstdint>

#include "framework/Strings.h"

// "%Y/%m/%d %H:%M:%S" of the time in local time; empty when it cannot be converted.
// Written into date in place (once per entry: no new string each time).
void LocalDateText(const FILETIME& utc, CString& date);

// The entry's whole 64-bit size: the low word alone would misstate files of 4 GiB and more.
uint64_t FoundSize(const WIN32_FIND_DATAW& entry);

// Five characters D R A H S, each a space when its attribute bit is clear.
CString AttributeLetters(DWORD attributes);
