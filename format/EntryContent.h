#pragma once
// What a line takes from inside a file: its digest and version texts. The engine reads them
// (content/ContentReader.h) and hands them to the entry formatter.

#include "format/ContentNeeds.h"
#include "format/EntryTexts.h"
#include "format/ListingOptions.h"
#include "framework/Strings.h"

// From the switches and what the repeat text asks for (texts.templateNeeds).
ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts);

struct EntryContent {
    CString crc;             // each digest read when it is needed
    CString sha256;
    CString sha1;
    CString md5;
    CString version;         // both read when the versions are needed
    CString productVersion;
    unsigned long unreadError = 0;  // the system's error code when the file could not be read
};
