#pragma once
// What a folder walk does with each entry it finds: which entries get a line, and which
// folders it enters. The walk on one thread and the walk read ahead both follow these rules.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/FolderIdentity.h"
#include "engine/ListingJob.h"
#include "engine/WildcardFilter.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// A directory to list: its text for the output and its real path, both ending in "\".
struct Directory {
    CString text;
    std::wstring realPath;
};

// One thread's rules for a run (they keep the filter's buffers and the folders above the
// directory last asked about).
class WalkRules {
public:
    WalkRules(const ListingJob& job, const TextEncoding& encoding);

    // ".", ".." and hidden folders such as ".cache" are neither listed nor entered.
    static bool IsSkipped(const WIN32_FIND_DATAW& entry);
    // Whether the entry gets a line; name: its name in the output's encoding.
    bool IsListed(const WIN32_FIND_DATAW& entry, const CString& name) const;
    // Whether the walk enters the entry of the directory; if so, child is the folder to list.
    // A folder link is entered unless it leads back to the directory or one above it, or
    // where it leads cannot be told.
    bool Enters(const Directory& directory, const WIN32_FIND_DATAW& entry, const CString& name, Directory& child);

private:
    bool LeadsElsewhere(const Directory& directory, const std::wstring& linkPath);

    const ListingJob& job_;
    WildcardFilter filter_;
    std::wstring ancestorsOf_;  // the directory whose line of folders ancestors_ holds
    std::vector<FolderIdentity> ancestors_;
};
