#pragma once
// The files a run writes beside its listing (the dialog's report, and its new listing while it
// compares): the run's own, never entries of the listing, wherever the walk meets them.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/FolderIdentity.h"

class SideFiles {
public:
    // A file the run has just created, by the path it was created at.
    void Add(const std::wstring& creationPath);
    // Whether the entry of that name in the directory (its real path, ending with "\") is one.
    bool Holds(const std::wstring& directoryPath, const wchar_t* name) const;

private:
    struct SideFile {
        std::wstring name;  // as the system made it: trailing dots and blanks dropped
        FolderIdentity identity;
    };
    std::vector<SideFile> files_;
};
