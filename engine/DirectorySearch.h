#pragma once
// The entries of one directory, in the order the file system gives them, each with its real
// (UTF-16) name, which the record always holds whole.
#include <windows.h>

#include <functional>
#include <string>

class DirectorySearch {
public:
    // pattern: a directory's real path followed by "*", or one real path to find that entry
    // alone (see framework/LongPath.h).
    explicit DirectorySearch(const std::wstring& pattern);
    ~DirectorySearch();
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    // The next entry; false when there is none left (or the directory cannot be searched).
    bool Next(WIN32_FIND_DATAW& entry);
    // The search's first entry while Next has not yet returned it (usually "." for a
    // directory's search), else null.
    const WIN32_FIND_DATAW* First() const { return unread_ ? &first_ : nullptr; }
    // Once Next gave false: why the entries ended, when not for want of more (no access,
    // say); 0 when every entry was read.
    DWORD Error() const { return error_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool unread_ = false;  // the first entry is in the caller's record, not yet returned
    WIN32_FIND_DATAW first_;
    DWORD error_ = 0;
};

// A seam for tests: the error a search of the pattern fails with from its start instead
// (0: the search goes on as usual). Never set in the programs; only while no run is going.
void SetSearchFailureForTests(std::function<DWORD(const std::wstring& pattern)> failure);
