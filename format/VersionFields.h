#pragma once
// File and product version ("%lu,%lu,%lu,%lu") from the root block of a file's version
// resource; both empty when the file has none, it cannot be read, or its root block is not a
// genuine fixed-information record.
#include <string>

void ReadVersionFields(const std::string& fullPath, std::string& version,
                       std::string& productVersion);
