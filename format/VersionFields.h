#pragma once
// The text of a version number as a line shows it.
#include <windows.h>

#include <string>

// "%lu,%lu,%lu,%lu" of the four 16-bit parts of a version's high and low double words.
std::string VersionNumberText(DWORD mostSignificant, DWORD leastSignificant);
