#pragma once
// Template texts: "%NAME%" stands for a placeholder text (names compared in upper case) or,
// for any other name, the environment variable of that name; "%%" is one percent sign.
#include "framework/Strings.h"

// The text with every placeholder replaced. A name ends at the next "%", CR, LF or the end of
// the text; the character that ended it is dropped. Values are not scanned again.
CString ExpandTemplate(const CString& text, const CMapStringToPtr& placeholders);

// Whether expanding the text would ask for the placeholder of this upper-case name.
bool UsesPlaceholder(const CString& text, const CString& upperName);

// Sets the flags that make a repeat text's checksum and version placeholders available.
void SetNeededFlags(const CString& repeatText, bool& checksumNeeded, bool& versionNeeded);

// The environment variable's value; empty when there is none.
CString EnvironmentValue(const CString& name);
