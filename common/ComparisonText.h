#pragma once
// The counts that close a comparing run, in the words of the string table: the dialog's end
// box and the console program's last line.
#include <string>

#include "format/ComparisonCounts.h"

std::wstring ComparisonCountsText(const ComparisonCounts& counts);
