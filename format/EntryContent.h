#pragma once
// What a line takes from inside a file: its checksum and version texts. The entry formatter
// reads them itself, or is handed them read ahead on another thread.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

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
};

// Reads the needed texts of the file at its real path into content. attributes and size: as
// the walk found them, so the file is asked nothing but its content (a folder has none: its
// checksum is "--------"). A stop gives up the checksum between blocks, and the versions are
// then no longer read: the entry will have no line.
void ReadEntryContent(const std::wstring& fullPath, DWORD attributes, uint64_t size, const ContentNeeds& needs,
                      const std::atomic<bool>* stopRequest, EntryContent& content);
