#pragma once
// Texts the program takes from its own module: its path and its string table.
#include <windows.h>

#include "framework/Strings.h"

// The full path of the running executable (any length).
CString ModuleFilePath();
// String table entry id of the executable, converted to the ANSI code page; empty if missing.
CString LoadResourceString(UINT id);
