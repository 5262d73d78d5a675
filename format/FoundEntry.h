#pragma once
// One entry as a walk found it, the same record from every walk to the lines: what the
// directory's search told of it, its real name and its name in the output's encoding, and why
// nothing may be read through it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Strings.h"

struct FoundEntry {
    DWORD attributes = 0;
    uint64_t size = 0;       // the whole 64-bit size: the low word alone misstates 4 GiB and more
    FILETIME created{};
    FILETIME written{};      // the last-write time
    std::wstring realName;   // as the file system names it (UTF-16)
    CString name;            // in the output's encoding ("\" and "/" written "?")
    // Why nothing may be read through the entry, decided once when it is found: the system's
    // error code (ERROR_INVALID_NAME for a name holding a separator), 0 when it may be read.
    DWORD unreadError = 0;

    bool IsDirectory() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};
