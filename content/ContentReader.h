#pragma once
// Reads what a line takes from inside a file (format/EntryContent.h).
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "format/EntryContent.h"

// Reads the needed texts of the file at its real path into content. attributes and size: as
// the walk found them, so the file is asked nothing but its content (a folder has none: its
// checksum is "--------"). A stop gives up the checksum between blocks, and the versions are
// then no longer read; false then: the entry will have no line.
bool ReadEntryContent(const std::wstring& fullPath, DWORD attributes, uint64_t size, const ContentNeeds& needs,
                      const std::atomic<bool>& stopRequest, EntryContent& content);
