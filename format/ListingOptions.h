#pragma once
// Everything the user chooses for a listing, in one record: the dialog edits it, the settings
// file stores it, and a run takes a copy of it. A fresh record has every switch off; the
// defaults of a first start are the settings file's.
#include <string>

#include "framework/Strings.h"

// Which radio of the path form is chosen. Unchosen (neither radio checked) forms paths as
// Relative does; it is kept so that the dialog and the settings file show it as it is.
enum class PathType { Unchosen = -1, Absolute = 0, Relative = 1 };

struct ListingOptions {
    // Paths as the file system names them (UTF-16), so that no name is lost on the way.
    std::wstring folder;     // the folder to list; a run makes it end with "\"
    std::wstring outputPath; // the file to write; in a run never empty (the default output
                             // then), unless the run writes to an open handle
    // ";"-separated wildcard patterns, of any characters (the console program's may hold
    // what the code page cannot; the settings file keeps only what it can).
    std::wstring filterText;
    std::wstring excludeText;  // the same, of entries neither listed nor entered
    // Texts in the ANSI code page, as the settings file keeps them.
    CString headerText;      // template text before the entries
    CString repeatText;      // template text expanded once per entry
    CString footerText;      // template text after the entries
    PathType pathType = PathType::Absolute;
    bool subfolders = false;
    bool directoryNames = false;  // directory entries are listed too
    bool filter = false;          // only entries matching filterText are listed
    bool size = false;
    bool date = false;
    bool attributes = false;
    bool checksum = false;
    bool fileVersion = false;
    bool productVersion = false;
    bool url = false;
    bool upperCase = false;
    bool lowerCase = false;       // wins when both cases are set
    bool useTemplate = false;
    // The browsable page (one HTML file with a folder tree, search and sorting) instead of
    // the list form; it excludes the template and the comparison.
    bool page = false;
    bool utf8 = false;            // the output is UTF-8 (with a byte-order mark), not the code page
    unsigned depth = 0;           // folder levels walked with subfolders (1: the folder's own
                                  // entries only); 0: all
    // Comparing with an earlier list-form listing: the run writes one line per difference
    // (engine/ListingComparison.h) instead of the listing, or as well as it when reportPath is
    // given (the listing then goes to outputPath, the report to reportPath).
    bool compare = false;
    std::wstring earlierListing;  // the listing compared with; only in a run, never stored
    std::wstring reportPath;      // a side file of the run: never listed as an entry
    // The output is a side file too, of the listing it replaces once complete (the dialog's
    // comparing run): it gets no line of its own either.
    bool sideOutput = false;
};
