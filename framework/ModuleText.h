#pragma once
// Texts the program takes from its own module: its path and its string table. The path is
// the real (UTF-16) one: the ANSI module name turns a folder named outside the code page into
// another folder's name (an accented "dlg" folder read as "dlge").
#include <windows.h>

#include <string>

#include "framework/Strings.h"

// The full path of the running executable (any length), by its real name.
std::wstring ModulePath();
// The folder of the running executable, ending in "\".
std::wstring ProgramFolder();
// The executable's file name without its extension: the application's name (a caption).
std::wstring ModuleBaseName();
// The path without the extension of its file name: from its last "." that follows the last
// "\" or "/" (never its first character); the whole path when the name has none.
std::wstring PathWithoutExtension(const std::wstring& path);
// String table entry id of the executable as it is stored (UTF-16); empty if missing.
std::wstring LoadResourceText(UINT id);
// The same entry converted to the ANSI code page.
CString LoadResourceString(UINT id);
