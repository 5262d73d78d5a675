#pragma once
// The settings file beside the executable: where it is, and reading and writing the main
// dialog's options through the private-profile functions.
#include "framework/Strings.h"
#include "settings/MainOptions.h"

// The settings file path (".ini") and the default output path (".txt") derived from the
// executable's full path; both empty when the path is empty.
struct SidePaths {
    CString settingsFile;
    CString defaultOutput;
};
SidePaths DeriveSidePaths(const CString& executablePath);

// The built-in HTML template texts (string table entries 103, 104, 105).
struct TemplateTexts {
    CString header;
    CString repeat;
    CString footer;
};

// Reads every CONFIG, STRINGS and TEMPLATE key into the options (defaults for missing keys);
// the built-in texts are used when the three stored template texts are all empty.
void LoadSettings(const CString& settingsFile, const TemplateTexts& builtIn, MainOptions& options);
// The Save button: the options, the filter text and the escaped template texts.
void SaveSettings(const CString& settingsFile, const MainOptions& options);
// Closing: EXPAND, SUBDIR, DIRNAME and FILENAME only.
void SaveClosingKeys(const CString& settingsFile, const MainOptions& options);

// The Save-As dialog's filter list ("|"-separated, ending in "||") and default extension.
struct SaveFileChoices {
    CString filter;
    CString defaultExtension;
};
SaveFileChoices ReadSaveFileChoices(const CString& settingsFile);

// One-line form of a multi-line template text and back.
CString EscapeTemplateText(const CString& text);
CString UnescapeTemplateText(const CString& text);
