#pragma once
// The entries of one directory, in the order the file system gives them. The search goes
// through the wide functions on the full path ("\\?\" form from 260 bytes on), because the ANSI
// ones stop at 260 bytes, and a deep folder must not silently contribute nothing; each entry
// comes back as the ANSI record the rest of the run reads (short name left empty).
#include <windows.h>

#include "framework/Strings.h"

class DirectorySearch {
public:
    // pattern: a directory followed by "*.*", or one path to find that entry alone; it may be
    // relative or of any length.
    explicit DirectorySearch(const CString& pattern);
    ~DirectorySearch();
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    // The next entry; false when there is none left.
    bool Next(WIN32_FIND_DATAA& entry);
    // The last entry's whole name: a name of more than 259 bytes in the ANSI code page does
    // not fit the record, which then holds its first characters.
    const CString& Name() const { return name_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAW found_;
    bool unread_ = false;  // found_ holds an entry not yet returned
    CString name_;
};
