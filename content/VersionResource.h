#pragma once
// File and product version (as format/VersionFields.h writes them) from the root block of a file's version
// resource; both empty when the file has none, it cannot be read, or its root block is not a
// genuine fixed-information record.
#include <string>

// fullPath: the real path (see framework/LongPath.h). error, when given: why the file could not
// be opened or read (no access, held by another, gone); 0 when it was, even without a resource.
void ReadVersionFields(const std::wstring& fullPath, std::string& version,
                       std::string& productVersion, unsigned long* error = nullptr);
