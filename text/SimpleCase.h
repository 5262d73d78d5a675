#pragma once
// The system's simple letter-case mapping of every UTF-16 unit, one unit to one (LCMapStringEx,
// invariant locale); the surrogates map to themselves.
#include <windows.h>

#include <vector>

// flag: LCMAP_UPPERCASE or LCMAP_LOWERCASE. 65,536 entries, indexed by the unit.
std::vector<wchar_t> SimpleCaseMap(DWORD flag);
