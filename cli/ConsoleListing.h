#pragma once
// One listing from the console: the folder check, the run with its count and its stop keys,
// and how it ended, told on standard error and in the exit code.
#include "format/ListingOptions.h"

enum ExitCode : int {
    kExitComplete = 0,
    kExitBadUsage = 1,
    kExitNoFolder = 2,
    kExitCannotCreate = 3,
    kExitWriteFailed = 4,
    kExitStopped = 5,
    kExitUnread = 6,  // written, but some entries could not be read
    // --compare: the listing differs from the earlier one. Every code above wins over it: a
    // comparison is told only of a listing that was completely written.
    kExitDifferences = 7,
    // --compare: the earlier listing is missing, unreadable or does not fit; nothing written.
    kExitCannotCompare = 8,
};

// options.folder and options.outputPath as typed (see TypedFolder, CreationPath); an empty
// options.outputPath: standard output. quiet: no count, only failures are told; what could not
// be read, and the count of names the code page cannot hold, are told even so: they say the
// output is not what the tree holds.
int RunConsoleListing(ListingOptions options, bool quiet);
