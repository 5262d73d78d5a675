#pragma once
// Messages for the user on standard output or error: on a console as characters, anywhere
// else (a file, a pipe) as bytes in the console's code page, so that they can be shown.
#include <windows.h>

#include <string>

// Whether the handle is a console (not redirected to a file or pipe).
bool IsConsole(HANDLE handle);

// Writes the text as it is, without a line end.
void WriteConsoleText(HANDLE handle, const std::wstring& text);

// The text and a line end on standard error.
void WriteErrorLine(const std::wstring& text);
