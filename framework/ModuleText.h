#pragma once
// Texts the program takes from its own module: its path and its string table.
#include <windows.h>

#include <string>

#include "framework/Strings.h"

// The full path of the running executable (any length).
CString ModuleFilePath();
// The folder of the running executable, by its real name, ending in "\".
std::wstring ProgramFolder();
// The executable's file name without its extension: the application's name.
CString ModuleBaseName();
// The path without the extension of its file name: from its last "." that follows the last
// "\" or "/" (never its first byte); the whole path when the name has none. Double-byte aware.
CString PathWithoutExtension(const CString& path);
// String table entry id of the executable as it is stored (UTF-16); empty if missing.
std::wstring LoadResourceText(UINT id);
// The same entry converted to the ANSI code page.
CString LoadResourceString(UINT id);
