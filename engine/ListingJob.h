#pragma once
// What one run lists: the user's options frozen at its start and made whole once, when the
// job is made: what excludes what, the folder with its "\", the texts made ready for the
// output's encoding, and the filter patterns split from them. Nothing changes it afterwards
// but the path run taking its paths out as it lists them.
#include <windows.h>

#include <list>
#include <string>

#include "engine/WildcardFilter.h"
#include "format/ListingOptions.h"
#include "format/PageAssets.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

// As many readers as the machine has processors, at least two (they mostly wait on the file
// system) and at most eight.
unsigned DefaultReaderThreads();

using PathList = std::list<std::wstring>;

struct ListingJob {
    // A folder run: takes the options, the filter's patterns split when it is on and the
    // exclusions' always; the template texts are converted into the output's encoding, their
    // column sections kept or left out by the columns chosen (format/TemplateSections.h). A
    // comparing run lists without the template; a page run neither compares nor uses the
    // template. The folder ends with "\" (unless empty).
    explicit ListingJob(const ListingOptions& chosen);
    // A path run over the given paths, in this order: decided before anything else is derived
    // from the options, it never compares (no earlier listing holds these paths in a folder's
    // order), filters, excludes or descends, and has no folder (each line carries its own;
    // DIRNAME stays empty).
    ListingJob(const ListingOptions& chosen, PathList listed);

    // The output's encoding: UTF-8 or the system's code page.
    const TextEncoding& Encoding() const;

    ListingOptions options;
    bool listsPaths = false;
    PathList paths;          // a path run's paths not listed yet
    PatternList filterList;  // the patterns, in the order typed
    // The exclusions' patterns: matched against names, and against paths below the folder.
    PatternList excludedNames;
    PatternList excludedPaths;
    // Threads that read a folder run's directories ahead of the one that formats the entries
    // (engine/FolderSequence.h), and three times as many more for the files' content when it
    // is read too (engine/ContentPrefetcher.h); 0
    // or 1: that one reads every directory and file itself, each as it comes to it.
    unsigned readerThreads = DefaultReaderThreads();
    // When not null, the output goes to this handle, opened elsewhere (standard output, say),
    // instead of a file created at options.outputPath; the run never closes it.
    HANDLE outputHandle = nullptr;
    // The browsable page's script, style and words (options.page), from the front end.
    PageAssets pageAssets;

private:
    // What follows from the options once the kind of run has set what it excludes.
    void Derive();
};
