#pragma once
// Text between a code page (the ANSI one, UTF-8, the console's) and UTF-16, the one place
// where the system's conversion calls are made. Embedded zeros are converted like any unit.
#include <windows.h>

#include <string>

std::wstring WideFromCodePage(UINT codePage, const std::string& text);

// flags: WC_NO_BEST_FIT_CHARS where a look-alike must not stand in for a missing character
// (a "?" then does); 0 for UTF-8. Written into text (replaced), in the room it already has:
// a name converted for every entry of a walk costs no allocation. False when a character
// became "?" (only told with WC_NO_BEST_FIT_CHARS: UTF-8 holds every character).
bool CodePageFromWide(UINT codePage, DWORD flags, const wchar_t* wide, size_t length, std::string& text);
inline std::string CodePageFromWide(UINT codePage, DWORD flags, const wchar_t* wide, size_t length) {
    std::string text;
    CodePageFromWide(codePage, flags, wide, length, text);
    return text;
}
inline std::string CodePageFromWide(UINT codePage, DWORD flags, const std::wstring& wide) {
    return CodePageFromWide(codePage, flags, wide.data(), wide.size());
}
