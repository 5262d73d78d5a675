#pragma once
// The lines a finished run's message gains when its listing is incomplete or inexact: how
// many entries could not be read, the first of them with the system's reason, and how many
// names the code page could not hold. The dialog's box names a few; the console program's
// standard error names every one.
#include <string>
#include <vector>

#include "engine/ListingGaps.h"

// Empty when nothing could not be read and every name was held; else the lines, each ending
// with a line break.
std::wstring GapLines(const ListingGaps& gaps);

// One line (without its end) for each entry that could not be read, and one for the names
// written with "?" when there are any.
std::vector<std::wstring> EveryGapLine(const ListingGaps& gaps);

// The message with lines put in before its last line (after its last line break).
std::wstring BeforeLastLine(const std::wstring& message, const std::wstring& lines);
