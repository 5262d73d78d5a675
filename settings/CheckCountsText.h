#pragma once
// The counts that close a check of a checksum file, in the words of the string table: the
// dialog's end box and the console program's last line.
#include <string>

#include "format/CheckCounts.h"

std::wstring CheckCountsText(const CheckCounts& counts);
