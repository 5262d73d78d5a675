#pragma once
// What a listing could not read, or could not write as it is: handed to the front ends with
// the run's result, as data (they put it in words).
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// A folder whose entries, or a file whose content, could not be read.
struct UnreadEntry {
    std::wstring path;  // the real path (see framework/LongPath.h); a folder's ends with "\"
    DWORD error;        // the system's error code: why
};

struct ListingGaps {
    std::vector<UnreadEntry> unread;  // in the order of the walk
    // Names the output's encoding cannot hold (written with "?"), counted as the walk met them:
    // listed, or entered as a folder.
    std::atomic<uint64_t> inexactNames{0};
    // Why the run failed, when the system gave a reason: the folder to list could not be
    // searched, or the output could not be created or written (out of memory too); else 0.
    DWORD failure = 0;
};
