#pragma once
// Reads what a line takes from inside a file (format/EntryContent.h).
#include <windows.h>

#include <cstdint>
#include <string>

#include "format/EntryContent.h"
#include "framework/StopSignal.h"

// Reads the needed texts of the file at its real path into content, and in
// content.unreadError why the file could not be opened or read (0 when it was). attributes: as
// the walk found them (a folder has no content: its digests are dashes, not a failure). A
// stop gives up the checksum between blocks, and the versions are then no longer read; false
// then: the entry will have no line.
bool ReadEntryContent(const std::wstring& fullPath, DWORD attributes, const ContentNeeds& needs,
                      const StopSignal& stop, EntryContent& content);

// The texts of a file nothing may be read of: digests of dashes, no versions, and why.
void SetUnreadContent(DWORD error, EntryContent& content);
