#pragma once
// The texts of an entry's own columns, as a walk found it: date, attributes.
#include <windows.h>

#include "framework/Strings.h"

// "%Y/%m/%d %H:%M:%S" of the time in local time; empty when it cannot be converted.
// Written into date in place (once per entry: no new string each time).
void LocalDateText(const FILETIME& utc, CString& date);

// Five characters D R A H S, each a space when its attribute bit is clear.
CString AttributeLetters(DWORD attributes);
