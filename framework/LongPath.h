#pragma once
// Full paths of MAX_PATH (260) units or more, in the extended-length form "\\?\C:\..." or
// "\\?\UNC\server\share\...", which lifts the MAX_PATH limit of the file functions.
// The ANSI file functions convert through a MAX_PATH buffer (on Wine, and on Windows without
// the long-path opt-in) even with the prefix, so code that must reach long paths opens them
// with the wide functions and WideFilePath.
#include <string>

// The ANSI path in the wide form for the wide file functions: converted from the ANSI code
// page, made absolute and normalised (".", "..", "/"), prefixed when 260 units or longer.
// Empty when the path cannot be converted.
std::wstring WideFilePath(const std::string& fullPath);

// GetFileAttributes at any length; INVALID_FILE_ATTRIBUTES when the path cannot be reached.
unsigned long PathAttributes(const std::string& path);
