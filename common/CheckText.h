#pragma once
// The words both front ends give a check of a checksum file: its counts (the dialog's end box,
// the console program's last line) and the message for a result that is not a success.
#include <windows.h>

#include <string>

#include "engine/ChecksumCheck.h"
#include "format/CheckCounts.h"

std::wstring CheckCountsText(const CheckCounts& counts);

// The string-table id for a result that is not a success, its "%1" the checksum file; 0 for
// Complete.
UINT CheckResultMessageId(CheckResult result);
