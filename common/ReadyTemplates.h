#pragma once
// The ready templates, kept in the resources: the built-in HTML page, an HTML table, CSV,
// JSON Lines and an SFV checksum file. Choosing one fills the three texts; from then on they
// are a template like any other.
#include <windows.h>

#include <cstddef>

#include "framework/Strings.h"
#include "settings/SettingsFile.h"

struct ReadyTemplate {
    const char* name;  // as the console program's --template takes it
    UINT labelId;      // its name in the template dialog
    UINT headerId;     // the three texts; the next two ids follow
};

constexpr size_t kReadyTemplateCount = 5;
extern const ReadyTemplate kReadyTemplates[kReadyTemplateCount];

// The ready template of this name; null when there is none.
const ReadyTemplate* FindReadyTemplate(const CString& name);
// Its three texts, in the ANSI code page.
TemplateTexts LoadReadyTemplate(const ReadyTemplate& ready);
