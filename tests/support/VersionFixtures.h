#pragma once
// The version fixtures (version-1.4.dll: file and product version 1.4.0.0; version-5.0.dll:
// file version 5.0.2195.1, product version 5.1.2600.7), built beside unit_tests.exe.
#include <string>

// Full path of a fixture: beside the running test program.
std::string VersionFixturePath(const std::string& name);
