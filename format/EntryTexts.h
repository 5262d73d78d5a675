#pragma once
// The texts one run gives to its placeholders, the table that names them, and the switches
// that shape an entry's line. Held by the output writer; filled by the entry formatter.
#include <cstdint>

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
    CString dir;             // the current directory in the chosen path form
    CString location;        // the current directory as a full path ending in "\"
    CString count;           // the entry's number in walk order

    // Upper-case placeholder name -> the text above it stands for (14 names).
    CMapStringToPtr placeholders;

    // Set from the repeat text: the template needs these even with their columns off.
    int32_t checksumNeeded = 0;
    int32_t versionNeeded = 0;

private:
    void RegisterPlaceholders();
};

// The run's choices that decide how an entry's texts and line are made.
struct FormatSwitches {
    int32_t pathType = 0;        // 0 absolute, 1 relative to the listed folder
    int32_t upperCase = 0;
    int32_t lowerCase = 0;
    int32_t url = 0;
    int32_t size = 0;
    int32_t date = 0;
    int32_t attributes = 0;
    int32_t checksum = 0;
    int32_t fileVersion = 0;
    int32_t productVersion = 0;
    int32_t useTemplate = 0;
    CString repeatText;          // expanded once per entry in template mode
};
