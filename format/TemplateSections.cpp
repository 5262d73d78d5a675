#include "format/TemplateSections.h"

#include <cstring>

#include "format/TemplateParse.h"

const char kFileSection[] = "?FILE";
const char kFolderSection[] = "?FOLDER";
const char kSectionEnd[] = "?";

namespace {

// The columns a section can be named after, by their placeholders' names.
struct ColumnSection {
    const char* name;
    bool ListingOptions::*chosen;
};

const ColumnSection kColumnSections[] = {
    {"?SIZE", &ListingOptions::size},
    {"?DATE", &ListingOptions::date},
    {"?ATTRIBUTE", &ListingOptions::attributes},
    {"?CRC", &ListingOptions::checksum},
    {"?CRC16", &ListingOptions::checksum},
    {"?SHA256", &ListingOptions::sha256},
    {"?VERSION", &ListingOptions::fileVersion},
    {"?PRODUCTVERSION", &ListingOptions::productVersion},
};

bool IsSectionMarker(const CString& upperName) { return !upperName.empty() && upperName[0] == '?'; }

bool IsEntrySection(const CString& upperName) { return upperName == kFileSection || upperName == kFolderSection; }

bool ColumnChosen(const CString& upperName, const ListingOptions& options) {
    for (const ColumnSection& column : kColumnSections)
        if (upperName == column.name) return options.*column.chosen;
    return false;  // no column of that name: never written
}

}  // namespace

CString KeepChosenSections(const CString& text, const ListingOptions& options, const TextEncoding& encoding) {
    if (text.find("%?") == CString::npos) return text;
    CString kept;
    bool writing = true;          // outside a section, or in one that is written
    bool inEntrySection = false;  // a FILE or FOLDER section stands open in the text kept
    ParseTemplate(
        text, encoding,
        [&](const char* bytes, size_t length) {
            if (!writing) return;
            // "%%" comes as a lone "%", which the text kept must double again.
            if (length == 1 && *bytes == '%') kept += '%';
            kept.append(bytes, length);
        },
        [&](const CString& name) {
            if (!IsSectionMarker(name)) {
                if (writing) kept += "%" + name + "%";
                return;
            }
            // Any marker ends the section open; an entry section is ended in the text too.
            if (inEntrySection) kept += CString("%") + kSectionEnd + "%";
            inEntrySection = IsEntrySection(name);
            writing = name == kSectionEnd || inEntrySection || ColumnChosen(name, options);
            if (inEntrySection) kept += "%" + name + "%";
        });
    return kept;
}
