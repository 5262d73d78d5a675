#pragma once
// The settings file beside the executable: where it is, and how each kind of value is kept
// in it (switches and numbers in CONFIG, one-line texts in STRINGS, escaped template texts in
// TEMPLATE, the Save-As choices in SAVEFILE). Which option lives under which key is the table
// of common/OptionsSettings.h.
//
// Every write reads its key back and returns false when it did not keep the value (see
// WriteProfileText); the front end tells the user once for all the keys it wrote.
#include <cstdint>
#include <string>

#include "framework/Strings.h"

// The settings file of a program: its path with ".ini" for its extension; empty when the path
// is empty. The dialog's is its own; the console program reads the dialog's. Paths are the
// real (UTF-16) ones, and the file is reached by them (the values stay in the ANSI code page).
std::wstring SettingsFilePath(const std::wstring& programPath);

// The settings file path and the default output path (".txt") derived from the executable's
// full path; both empty when the path is empty.
struct SidePaths {
    std::wstring settingsFile;
    std::wstring defaultOutput;
};
SidePaths DeriveSidePaths(const std::wstring& executablePath);

// A CONFIG switch. It is kept as the check state of its box ("0" or "1"); a stored number
// reads as on when a check box would show it checked (1, or 2: the indeterminate state, which
// a two-state box shows checked), off for anything else (a number outside 0 to 2 clears the box).
bool ReadSwitch(const std::wstring& file, const char* key, bool defaultOn);
bool WriteSwitch(const std::wstring& file, const char* key, bool on);
// A CONFIG number, converted as strtol does (no digits: 0).
int32_t ReadNumber(const std::wstring& file, const char* key, int32_t defaultValue);
bool WriteNumber(const std::wstring& file, const char* key, int32_t value);

// A STRINGS text, read whole: a path cut short would name another folder or file.
CString ReadText(const std::wstring& file, const char* key);
bool WriteText(const std::wstring& file, const char* key, const CString& value);

// The three template texts (TEMPLATE START, LOOP, END), unescaped.
struct TemplateTexts {
    CString header;
    CString repeat;
    CString footer;
};
// Each text read into a buffer of LENGTH bytes (default 4096, at least 260). When all three
// are empty, the built-in texts; one stored text, even alone, means the user's own.
TemplateTexts ReadTemplateTexts(const std::wstring& file, const TemplateTexts& builtIn);
// Writes the three texts, and LENGTH only when a text written needs a larger buffer than the
// LENGTH in effect: a file that never needed it, or a hand-written one that holds the texts,
// stays as it is.
bool WriteTemplateTexts(const std::wstring& file, const TemplateTexts& texts);

// The Save-As dialog's filter list ("|"-separated, ending in "||"; by default defaultFilter,
// whose descriptions are words for the user from the front end's string table) and default
// extension.
struct SaveFileChoices {
    CString filter;
    CString defaultExtension;
};
SaveFileChoices ReadSaveFileChoices(const std::wstring& settingsFile, const CString& defaultFilter);

// One-line form of a multi-line template text and back.
CString EscapeTemplateText(const CString& text);
CString UnescapeTemplateText(const CString& text);
