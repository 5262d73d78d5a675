#pragma once
// What a line takes from inside a file: its checksum and version texts. The engine reads them
// (content/ContentReader.h) and hands them to the entry formatter.

#include "format/EntryTexts.h"
#include "format/ListingOptions.h"
#include "framework/Strings.h"

// Which of the texts a run reads: for its columns, or for its repeat text in template mode.
struct ContentNeeds {
    bool checksum = false;
    bool version = false;
    bool Any() const { return checksum || version; }
};

// From the switches and the flags the repeat text set in the texts.
ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts);

struct EntryContent {
    CString crc;             // read when the checksum is needed
    CString version;         // both read when the versions are needed
    CString productVersion;
    unsigned long unreadError = 0;  // the system's error code when the file could not be read
};
