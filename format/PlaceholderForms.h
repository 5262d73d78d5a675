#pragma once
// Forms of a placeholder: "%NAME:form%" writes NAME's text for one kind of output. Before the
// forms, such a name was read as an environment variable's, which a name with ":" hardly is:
// a stored template keeps its meaning.
#include <windows.h>

#include "framework/Strings.h"
#include "text/TextEncoding.h"

enum class PlaceholderForm {
    Html,     // & < > " ' as entities
    Url,      // a path as a URL: "\" as "/", percent-encoded UTF-8, "file:///" for a full path
    Csv,      // one CSV field: in double quotes, inner quotes doubled
    Sheet,    // a CSV field a spreadsheet shows as text: as Csv, with a "'" before a leading
              // "=", "+", "-" or "@", which would make the cell a formula
    Json,     // a JSON string's contents
    Iso,      // DATE only: 2026-12-08T21:50:30+09:00
    Charset,  // OUTFILE only: the output's character set name, for a page's declaration
};

// Splits an upper-case "NAME:FORM" at its last ":"; false when the name has no ":" or no
// form of that name for it (iso is DATE's only, charset OUTFILE's only).
bool SplitPlaceholderForm(const CString& upperName, CString& baseName, PlaceholderForm& form);

// Appends text, which is in textEncoding, in the form (Html, Url, Csv, Sheet or Json) to result,
// which is in the output's encoding. JSON keeps non-ASCII characters as they are in UTF-8
// output and writes them as \uXXXX in a code page's.
void AppendInForm(PlaceholderForm form, const CString& text, const TextEncoding& textEncoding,
                  const TextEncoding& outputEncoding, CString& result);

// The name a page declares for the output's encoding: "UTF-8", or the code page's.
CString CharsetName(const TextEncoding& outputEncoding);

// The last-write time in local time with the zone's offset, "2026-12-08T21:50:30+09:00";
// empty when it cannot be converted (the same rule as DATE's).
void IsoDateText(const FILETIME& utc, CString& text);
