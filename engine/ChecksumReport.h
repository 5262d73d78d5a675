#pragma once
// The report of a check: one line per named file, in the checksum file's order: "OK",
// "FAILED", "MISSING" or "UNREADABLE", a tab, the path as the checksum file wrote it (and for
// UNREADABLE a tab and the system's reason), in the checksum file's encoding.
#include <windows.h>

#include <string>

#include "engine/ChecksumCheck.h"

std::string CheckReportLine(const ChecksumEntry& entry, CheckOutcome outcome, DWORD error, bool utf8);

// Loads the checksum file, checks its files and writes the report: to the file at reportPath
// (with a byte-order mark when the checksum file has one), or to handle when it is not null.
// Nothing is written when the checksum file cannot be read or has no well-formed line.
// leaveOutOk: only the lines that are not OK. After a stop the report holds the files checked.
CheckResult WriteCheckReport(ChecksumCheck& check, const std::wstring& reportPath, HANDLE handle, bool leaveOutOk);
