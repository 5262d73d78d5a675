#pragma once
// The settings file beside the executable: where it is, and how each kind of value is kept
// in it (switches and numbers, one-line texts, escaped template texts, the Save-As choices).
// One object holds the file's path; which option lives under which key is the table of
// common/OptionsSettings.cpp, walked by settings/SettingKeys.h.
//
// Every write reads its key back and returns false when it did not keep the value (see
// WriteProfileText); the front end tells the user once for all the keys it wrote.
#include <cstdint>
#include <string>
#include <utility>

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

// The three template texts (START, LOOP, END of their section), unescaped.
struct TemplateTexts {
    CString header;
    CString repeat;
    CString footer;
};

// The Save-As dialog's filter list ("|"-separated, ending in "||") and default extension.
struct SaveFileChoices {
    CString filter;
    CString defaultExtension;
};

class SettingsFile {
public:
    // An empty path reads every key as its default and writes nothing (as kept).
    explicit SettingsFile(std::wstring path = std::wstring()) : path_(std::move(path)) {}
    const std::wstring& Path() const { return path_; }

    // A switch. It is kept as the check state of its box ("0" or "1"); a stored number reads
    // as on when a check box would show it checked (1, or 2: the indeterminate state, which a
    // two-state box shows checked), off for anything else (outside 0 to 2 clears the box).
    bool ReadSwitch(const char* section, const char* key, bool defaultOn) const;
    bool WriteSwitch(const char* section, const char* key, bool on) const;
    // A number, converted as strtol does (no digits: 0).
    int32_t ReadNumber(const char* section, const char* key, int32_t defaultValue) const;
    bool WriteNumber(const char* section, const char* key, int32_t value) const;
    // A one-line text, read whole: a path cut short would name another folder or file.
    CString ReadText(const char* section, const char* key) const;
    bool WriteText(const char* section, const char* key, const CString& value) const;

    // Each text read into a buffer of LENGTH bytes (default 4096, at least 260). When all
    // three are empty, the built-in texts; one stored text, even alone, means the user's own.
    TemplateTexts ReadTemplateTexts(const char* section, const TemplateTexts& builtIn) const;
    // Writes the three texts, and LENGTH only when a text written needs a larger buffer than
    // the LENGTH in effect: a file that never needed it, or a hand-written one that holds the
    // texts, stays as it is.
    bool WriteTemplateTexts(const char* section, const TemplateTexts& texts) const;

    // SAVEFILE's FILTER and DEFAULT. defaultFilter (words for the user, from the front end's
    // string table) stands in for a missing or empty list.
    SaveFileChoices ReadSaveFileChoices(const CString& defaultFilter) const;

private:
    std::wstring path_;
};

// One-line form of a multi-line template text and back.
CString EscapeTemplateText(const CString& text);
CString UnescapeTemplateText(const CString& text);
