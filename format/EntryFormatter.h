#pragma once
// One directory entry into its placeholder texts and its output line.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "format/EntryContent.h"
#include "format/EntryFields.h"
#include "format/EntryTexts.h"
#include "format/FoundEntry.h"
#include "format/ListingOptions.h"
#include "format/TemplateExpander.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// Formats the entries of one run: the options and the encoding are the run's, the texts the
// run's placeholder texts. The repeat text is taken apart once, when it is made.
class EntryFormatter {
public:
    EntryFormatter(const ListingOptions& options, const TextEncoding& encoding, EntryTexts& texts);

    // Fills the entry's texts (FILE, PATH, COUNT, SIZE, DATE, ATTRIBUTE, and CRC / VERSION /
    // PRODUCTVERSION when needed) and makes its line: the list form (path and the switched-on
    // columns, tab-separated) or, in template mode, the expanded repeat text.
    // DIR and LOCATION must already hold the entry's directory.
    // linesBefore gives COUNT. content: the entry's content texts, read by the caller, when
    // Needs() asks for any (else unused).
    void Format(const FoundEntry& entry, size_t linesBefore, const EntryContent* content = nullptr);
    // The line of the last entry formatted.
    const CString& Line() const { return line_; }
    // Whether that entry has a line: not when a template with sections wrote nothing for it
    // (an SFV file's folder).
    bool HasLine() const { return !line_.empty() || !options_.useTemplate || !repeat_.HasSections(); }
    // What the run's lines need of the files' content.
    const ContentNeeds& Needs() const { return needs_; }

private:
    void MakeListLine();

    const ListingOptions& options_;
    const TextEncoding& encoding_;
    EntryTexts& texts_;
    TemplateText repeat_;
    ContentNeeds needs_;
    CString line_;
};
