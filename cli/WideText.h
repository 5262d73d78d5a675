#pragma once
// Text between the wide command line, messages and console and the ANSI texts (code page 932)
// of the settings file.
#include <windows.h>

#include <string>

#include "framework/Strings.h"

// Wide text in the ANSI code page. A character outside the code page becomes "?", never a
// look-alike that could name another file: such a name then reaches nothing.
CString AnsiFromWide(const std::wstring& text);

// A message for a file or pipe in the given code page, "?" too for a character outside it.
CString CodePageFromWide(const std::wstring& text, UINT codePage);
