#pragma once
// Which folder a path leads to, whatever the way there: the volume's serial number and the
// folder's file identifier. Read only for folder links (junctions, symbolic links, mount
// points), so that a link back into the tree neither makes a walk endless nor lists a folder
// twice on one path.
#include <cstdint>
#include <string>
#include <vector>

struct FolderIdentity {
    uint64_t volume = 0;
    uint64_t fileHigh = 0;  // the identifier has 128 bits where the system gives them
    uint64_t fileLow = 0;
    bool operator==(const FolderIdentity& other) const {
        return volume == other.volume && fileHigh == other.fileHigh && fileLow == other.fileLow;
    }
};

// The identity of the folder the real path leads to (links followed); false when it cannot
// be read.
bool ReadFolderIdentity(const std::wstring& realPath, FolderIdentity& identity);

// The identities of a folder and of every folder above it up to the root of its drive or
// share, from its real path (ending in "\"). A folder whose identity cannot be read is left out.
std::vector<FolderIdentity> FolderAndAncestors(const std::wstring& realPath);
