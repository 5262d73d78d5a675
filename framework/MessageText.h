#pragma once
// Texts for the user's messages built from values: a string-table text with its values filled
// in, and the system's own words for an error code.
#include <windows.h>

#include <initializer_list>
#include <string>

// The text with each "%1", "%2"... replaced by the value of that number.
std::wstring FillIn(const std::wstring& text, std::initializer_list<std::wstring> values);

// The system's words for an error code in the user's language, without the line end; the
// code's number when it has none.
std::wstring SystemErrorText(DWORD error);
