#pragma once
// File and product version ("%lu,%lu,%lu,%lu") from the root block of a file's version
// resource; both empty when the file has none or it cannot be read.
#include <string>

void ReadVersionFields(const std::string& fullPath, std::string& version,
                       std::string& productVersion);
