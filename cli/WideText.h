#pragma once
// Text between the wide command line and console and the ANSI texts (code page 932) of the
// settings file and the messages.
#include <windows.h>

#include <string>

#include "framework/Strings.h"

// Wide text in the ANSI code page. A character outside the code page becomes "?", never a
// look-alike that could name another file: such a name then reaches nothing.
CString AnsiFromWide(const std::wstring& text);

// ANSI text (a message, the usage) for the console or for a code page of its own.
std::wstring WideFromAnsi(const CString& text);
CString CodePageFromWide(const std::wstring& text, UINT codePage);
