#pragma once
// What one run lists: the user's options frozen at its start, and the filter patterns split
// from them. A run owns its job; during the run only the run changes it (the folder's "\").
#include <windows.h>

#include "format/ListingOptions.h"
#include "framework/Strings.h"

struct ListingJob {
    ListingJob() = default;
    // Takes the options and, when the filter is on, splits its text into the patterns.
    explicit ListingJob(const ListingOptions& chosen);

    ListingOptions options;
    CStringList filterList;  // the patterns, in the order typed
    // The output goes to outputHandle, opened elsewhere (standard output, say), instead of a
    // file created at options.outputPath; the run never closes it.
    bool writesToHandle = false;
    HANDLE outputHandle = nullptr;
};
