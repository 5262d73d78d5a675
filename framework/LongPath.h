#pragma once
// The real path of a file for the wide file functions: the extended-length form
// "\\?\C:\..." or "\\?\UNC\server\share\...", for paths of every length. The form lifts the
// MAX_PATH limit, and it is the only one in which the system takes every name as it is: without
// it, a trailing dot or space of each part is stripped, so "apache." would read "apache".
#include <windows.h>

#include <string>

// The extended form of a path. A relative path is taken from the current folder; "." and
// ".." parts are resolved and "/" counts as "\"; nothing else changes, so each name stays the
// real one. A trailing "\" is kept. A path already in a "\\?\" or "\\.\" form is taken as it is.
std::wstring ExtendedPath(const std::wstring& path);

// The path to create a file by: the path as given where the system reads it as it is, else
// the extended form (260 units and more, or a part ending in a dot or a space). A device name
// (NUL, AUX, ...) thus stays the device the user means, not a file of that name.
std::wstring CreationPath(const std::wstring& path);

// GetFileAttributesW of the real path; INVALID_FILE_ATTRIBUTES when it cannot be reached.
DWORD PathAttributes(const std::wstring& path);

// Whether the path names an existing folder, or an existing file that is not a folder (of any
// length).
bool IsFolder(const std::wstring& path);
bool IsFile(const std::wstring& path);

// The full path as the system forms it (GetFullPathNameW: from the current folder, or a
// drive's own for "D:name"); empty when it cannot. Names are not looked up.
std::wstring FullPath(const std::wstring& path);
