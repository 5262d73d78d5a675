#pragma once
// File and product version (as format/VersionFields.h writes them) from the root block of a file's version
// resource; both empty when the file has none, it cannot be read, or its root block is not a
// genuine fixed-information record.
#include <string>

// fullPath: the real path (see framework/LongPath.h).
void ReadVersionFields(const std::wstring& fullPath, std::string& version,
                       std::string& productVersion);
