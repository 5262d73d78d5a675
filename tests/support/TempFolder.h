#pragma once
// A fresh folder under the system's temporary folder for one test, removed with its contents
// afterwards, with small helpers to build trees and read results back.
#include <windows.h>
#include <string>

class TempFolder {
public:
    // Throws std::runtime_error (GoogleTest fails the test with its text) when no folder can be
    // made.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path of the folder, without a trailing backslash.
    const std::string& Path() const { return path_; }
    // Path() + "\" + relative.
    std::string operator/(const std::string& relative) const;

    // Creates a folder (and its parents) below this one; returns its full path.
    std::string MakeDir(const std::string& relative) const;
    // Creates or replaces a file below this one (parents made as needed); returns its full path.
    std::string WriteFile(const std::string& relative, const std::string& content) const;
    // The same by real (UTF-16) names, which may end in a dot or hold any character.
    std::wstring MakeDir(const std::wstring& relative) const;
    std::wstring WriteFile(const std::wstring& relative, const std::string& content) const;
    // Creates or replaces a file of the given size whose bytes take no disk (a hole, read back
    // as zeros); false when it cannot be made.
    bool WriteSparseFile(const std::string& relative, long long size) const;

private:
    std::string path_;
};

// An ANSI code page text (as the test literals are) in UTF-16, and back.
std::wstring Wide(const std::string& ansi);
std::string Narrow(const std::wstring& wide);
// The real path of an ANSI path, as the program opens files (framework/LongPath.h).
std::wstring RealPath(const std::string& ansi);

// The whole content of a file, or "<missing>" when it cannot be opened.
std::string ReadWholeFile(const std::string& path);
std::string ReadWholeFile(const std::wstring& path);
// Reads one value of an INI file; "<none>" when the key is missing.
std::string IniValue(const std::string& file, const char* section, const char* key);
// Sets a file's or folder's last-write time from a UTC date and time.
bool SetLastWriteTime(const std::string& path, int year, int month, int day, int hour, int minute,
                      int second);
// Removes a folder tree (long paths included).
void RemoveTree(const std::string& path);
