#pragma once
// The one step both folder walks take per directory (the walk on one thread at once, the walk
// read ahead batch by batch): the read seam, the search opened once, whether the directory may
// be read, each entry by the walk rules, and why its entries ended before they were all read.
#include <windows.h>

#include <memory>

#include "engine/DirectorySearch.h"
#include "engine/WalkRules.h"

// Where a directory's step hands what it finds, in the order of the search.
class DirectoryStepTaker {
public:
    // An entry that gets a line; false: the step ends after this entry for now (a full
    // batch, a stop).
    virtual bool Listed(const WalkedEntry& entry) = 0;
    // A folder the walk enters (its subdirectory, to list later).
    virtual void Entered(Directory child) = 0;

protected:
    ~DirectoryStepTaker() = default;
};

// Reads the directory's entries on from where search stands (opened here on the first step;
// null again once the directory is read through). True at the directory's end, with unread
// set to why its entries ended before they were all read (its entry's own unread reason, or
// the search's error; 0 when they were all read); false when the taker ended the step or a
// stop came. entry: the rules' buffer, reused from entry to entry.
bool StepDirectory(const Directory& directory, std::unique_ptr<DirectorySearch>& search, WalkRules& rules,
                   WalkedEntry& entry, DirectoryStepTaker& taker, const StopSignal& stop, DWORD& unread);
