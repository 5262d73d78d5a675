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

// The path to create a typed file name by: the file the plain functions make of the text (they
// drop the trailing dots and spaces of its last part and one trailing dot of each other part,
// and take NUL, AUX, ... for the device). The text itself where its full path is shorter than
// 260 units, else the extended form of the full path as the system tidies it. "list.txt." thus
// creates "list.txt", which every program can open and delete.
std::wstring CreationPath(const std::wstring& path);

// The folder a typed path means: the path itself when it names a folder as it is (a real
// "apache."), else the full path as the system forms it ("C:\Data " or "C:\Data." is
// "C:\Data") when that names one; empty when neither does. Names a walk finds keep theirs.
std::wstring TypedFolder(const std::wstring& path);

// The path for a call whose handling of the extended form is least certain (the version
// functions go through the loader): the plain full path where it is shorter than 260 units and
// means the same file (no part ends in a dot or a blank, nothing names a device), else the
// extended form. Empty when the path has no full form.
std::wstring PlainPathWherePossible(const std::wstring& path);

// A real path as users write paths, for a message: the extended form's prefix taken off
// ("\\?\C:\a" is "C:\a", "\\?\UNC\server\share" is "\\server\share"), and each control
// character written "?" as the output writes names (a CR LF would forge a line of its own, an
// escape sequence would reach the terminal); any other path as it is.
std::wstring ShownPath(const std::wstring& realPath);

// GetFileAttributesW of the real path; INVALID_FILE_ATTRIBUTES when it cannot be reached.
DWORD PathAttributes(const std::wstring& path);

// Whether the path names an existing folder, or an existing file that is not a folder (of any
// length).
bool IsFolder(const std::wstring& path);
bool IsFile(const std::wstring& path);

// The full path as the system forms it (GetFullPathNameW: from the current folder, or a
// drive's own for "D:name"; trailing dots and spaces tidied as the plain file functions tidy
// them); empty when it cannot. Names are not looked up.
std::wstring FullPath(const std::wstring& path);
