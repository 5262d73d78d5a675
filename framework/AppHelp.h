#pragma once
// The application's help: the help engine with the help file named after the executable.
#include <windows.h>
#include <functional>
#include <string>

// Cancels any menu or mouse capture of the main window and, with the wait cursor, asks the
// help engine for command with data. A failure of the engine is reported in a message box with
// the program's string failureMessageId.
void ShowAppHelp(ULONG_PTR data, UINT command, UINT failureMessageId);

// WM_HELP of a dialog: the popup topic numbered by the control's id.
void ShowContextHelp(const HELPINFO& request, UINT failureMessageId);

// The help file: the executable's path with its extension replaced by ".HLP".
std::wstring HelpFilePath();

// The engine (WinHelpW unless replaced; tests look at the calls). Null restores WinHelpW.
using HelpEngine = std::function<BOOL(HWND window, const wchar_t* helpFile, UINT command, ULONG_PTR data)>;
void SetHelpEngine(HelpEngine engine);
