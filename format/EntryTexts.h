#pragma once
// The texts one run gives to its placeholders and the table that names them. Held by the
// output writer; filled by the entry formatter. The texts are in the output's encoding.
#include <string>

#include "format/ContentNeeds.h"
#include "format/FormTexts.h"
#include "framework/Strings.h"

struct EntryTexts {
    EntryTexts() { RegisterPlaceholders(); }
    // The table holds addresses of the members below, so a copy would point into the original.
    EntryTexts(const EntryTexts&) = delete;
    EntryTexts& operator=(const EntryTexts&) = delete;

    CString dirName;         // the listed folder ending in "\"; empty for dropped paths
    CString outFile;         // the output path
    CString file;            // the entry's name as enumerated
    CString path;            // the entry's path column
    CString date;
    CString size;
    CString attribute;
    CString version;
    CString productVersion;
    CString crc;
    CString sha256;          // lower-case hex, as checksum files write them
    CString sha1;
    CString md5;
    CString dir;             // the current directory in the chosen path form
    CString location;        // the current directory as a full path ending in "\"
    CString count;           // the entry's number in walk order

    // Upper-case placeholder name -> the text above it stands for (17 names).
    CMapStringToPtr placeholders;

    // Set from the repeat text: the template needs these even with their columns off.
    ContentNeeds templateNeeds;

    // The texts of the placeholders' forms, filled only when the template uses them.
    FormTexts forms;

private:
    void RegisterPlaceholders();
};
