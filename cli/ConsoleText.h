#pragma once
// Messages for the user on standard output or error: on a console as characters, anywhere
// else (a file, a pipe) as bytes in the console's code page.
#include <windows.h>

#include "framework/Strings.h"

// Whether the handle is a console (not redirected to a file or pipe).
bool IsConsole(HANDLE handle);

// Writes the ANSI text as it is, without a line end.
void WriteConsoleText(HANDLE handle, const CString& text);

// The ANSI text and a line end on standard error.
void WriteErrorLine(const CString& text);
