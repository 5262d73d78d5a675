#pragma once
// Which option lives under which key of the settings file, the first start's defaults, and
// which keys each moment writes: Save the options, closing the folder, output, subfolder and
// expand choices. The dialog reads and writes them; the console program only reads.
#include "format/ListingOptions.h"
#include "framework/Strings.h"
#include "settings/SettingsFile.h"

// The built-in template: the texts of the program's string table (IDS_TEMPLATE_HEADER, ...).
TemplateTexts BuiltInTemplateTexts();

// Every key; a missing key gives its default. expand: whether the dialog opens expanded.
void LoadSettings(const SettingsFile& file, const TemplateTexts& builtIn, ListingOptions& options, bool& expand);
// The Save button: the switches, the filter and exclusion texts and the template texts. Every key is
// tried; false when any of them was not kept.
bool SaveSettings(const SettingsFile& file, const ListingOptions& options);
// Closing: EXPAND, SUBDIR, DIRNAME and FILENAME only; false when a key that was not kept
// now reads other than its value (a key the file already gives as it is loses nothing).
bool SaveClosingKeys(const SettingsFile& file, const ListingOptions& options, bool expand);
