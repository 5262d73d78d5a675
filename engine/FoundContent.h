#pragma once
// The content read of a found entry, one for every walk and reader thread.
#include <string>

#include "format/EntryContent.h"
#include "format/FoundEntry.h"
#include "framework/StopSignal.h"

// Reads the texts needs asks for of the entry in the directory at its real path (ending in
// "\"). An entry found unread gets the unread texts with its reason, and nothing is opened.
// False when a stop came first: the entry will have no line.
bool ReadFoundContent(const FoundEntry& entry, const std::wstring& directoryPath, const ContentNeeds& needs,
                      const StopSignal& stop, EntryContent& content);
