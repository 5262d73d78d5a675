#pragma once
// The one step a walk takes per entry: the next entry of a directory, the stop check, the
// skip rule, the name in the output's encoding, whether it gets a line, and which folder it
// enters. The walk on one thread, the walk read ahead and the path listing take entries so.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/DirectorySearch.h"
#include "engine/Exclusions.h"
#include "engine/FolderIdentity.h"
#include "engine/ListingJob.h"
#include "engine/WildcardFilter.h"
#include "format/FoundEntry.h"
#include "framework/StopSignal.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// A directory to list: its text for the output and its real path, both ending in "\"; where
// in the real path its path below the listed folder starts, and its level below it.
struct Directory {
    CString text;
    std::wstring realPath;
    size_t belowListed = 0;  // where in realPath the path below the listed folder starts
    unsigned level = 0;      // the listed folder's is 0
    // Entered as a plain folder (no link), with the times its entry showed then: what is opened
    // by its path later may since have been swapped for a link.
    bool enteredAsFolder = false;
    FILETIME created{}, written{};
    // Its entry's unread reason: a folder whose name holds a separator is never searched (its
    // path would lead elsewhere); 0 for one that is.
    DWORD unreadError = 0;
};

// The listed folder as the walk's first directory.
Directory ListedDirectory(const CString& text, const std::wstring& realPath);

// One entry as a walk takes it; kept from entry to entry, so its buffers are reused.
struct WalkedEntry {
    FoundEntry found;
    bool inexactName = false; // the encoding could not hold some character of its name
    bool listed = false;      // it gets a line
    bool entered = false;     // the walk lists child too
    Directory child;
};

// The search's next entry that is neither ".", ".." nor a hidden folder such as ".cache"
// (those are never listed or entered), with its name converted ("\" and "/" as "?"); false
// at the search's end, or when a stop came. A name holding "\" or "/" (only shares served by
// other systems give such names) would make a path to another entry: the entry is found
// unread (ERROR_INVALID_NAME), and nothing is ever read through it.
bool NextWalkedEntry(DirectorySearch& search, const TextEncoding& encoding, const StopSignal& stop,
                     WalkedEntry& entry);

// One thread's rules for a run (they keep the filter's buffers and the folders above the
// directory last asked about).
class WalkRules {
public:
    // inexactNames counts the names listed or entered that the encoding cannot hold.
    WalkRules(const ListingJob& job, const TextEncoding& encoding, const StopSignal& stop,
              std::atomic<uint64_t>& inexactNames);

    // The next entry of the directory's search (NextWalkedEntry), and what the walk does
    // with it. An excluded entry is neither listed nor entered. A folder is entered within
    // the depth; a folder link unless it leads back to the directory or one above it, or
    // where it leads cannot be told. A folder whose name holds a separator is handed on as a
    // child to enter, marked so, even beyond the depth (the walk records it unread, searches
    // nothing).
    bool Step(DirectorySearch& search, const Directory& directory, WalkedEntry& entry);

    // Whether the walk reads the directory its search has just opened: a folder entered as a
    // plain one that has been swapped for a link since is read only as the link rule allows.
    // Its "." entry, the search's first, tells the same folder by the same times at no cost.
    bool MayRead(const DirectorySearch& search, const Directory& directory);

private:
    bool IsListed(const FoundEntry& entry) const;
    bool Enters(const Directory& directory, const FoundEntry& entry, Directory& child);
    bool LeadsElsewhere(const std::wstring& directoryPath, const std::wstring& linkPath);

    const ListingJob& job_;
    const TextEncoding& encoding_;
    const StopSignal& stop_;
    std::atomic<uint64_t>& inexactNames_;
    WildcardFilter filter_;
    Exclusions exclusions_;
    std::wstring ancestorsOf_;  // the directory whose line of folders ancestors_ holds
    std::vector<FolderIdentity> ancestors_;
};
