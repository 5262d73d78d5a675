#pragma once
// Sections of a template text: "%?NAME%" begins one, "%?%" (or the next section's beginning,
// or the text's end) ends it. A section named after a column (SIZE, DATE, ATTRIBUTE, CRC or
// CRC16, VERSION, PRODUCTVERSION) is written only when that column is chosen, so that a ready
// template follows the columns; FILE and FOLDER sections are written only for an entry of
// that kind (format/TemplateExpander.h). Any other name makes a section that is never written.
// Before sections, "%?NAME%" named an environment variable, which hardly any is.
#include "format/ListingOptions.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// The text with its column sections kept or left out by the options' columns, their markers
// gone; FILE and FOLDER sections stay for the expansion. A text without sections is returned
// as it is.
CString KeepChosenSections(const CString& text, const ListingOptions& options, const TextEncoding& encoding);

// The upper-case names of the entry sections, and of the marker that ends any section.
extern const char kFileSection[];
extern const char kFolderSection[];
extern const char kSectionEnd[];
