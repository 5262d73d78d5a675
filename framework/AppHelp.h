#pragma once
// The application's help: the read-me beside the program (README.txt in its folder), opened by
// the program Windows has for it. There is no help engine: current Windows shows no WinHelp file.
#include <windows.h>

#include <functional>
#include <string>

// README.txt in the executable's folder.
std::wstring ReadmePath();

// Opens the read-me; 0 once it is opened, else why not (ERROR_FILE_NOT_FOUND when it is not there).
DWORD OpenReadme(HWND owner);

// The opener (ShellExecuteExW "open" unless replaced; tests look at the calls). Null restores it.
using DocumentOpener = std::function<DWORD(HWND owner, const std::wstring& path)>;
void SetDocumentOpener(DocumentOpener opener);
