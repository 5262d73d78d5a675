#pragma once
// A way of writing a run's output: the run hands it each directory and that directory's
// entries in walk order, then has it finish the output. The sorted lines (engine/EntryLines.h)
// are one way, finished plainly or compared with an earlier listing; a way that writes folder
// by folder, holding no lines, fits beside them.
#include <string>

#include "format/EntryContent.h"
#include "format/FoundEntry.h"
#include "framework/Strings.h"

class ListingOutput {
public:
    virtual ~ListingOutput() = default;

    // What the output needs of the files' content; the run reads it before each Add.
    virtual const ContentNeeds& ContentNeeded() const = 0;
    // The directory whose entries follow: its text in the output's encoding and its real path
    // (see framework/LongPath.h), both ending with "\".
    virtual void SetDirectory(const CString& directory, const std::wstring& realPath) = 0;
    // One entry of that directory; content: its content texts when ContentNeeded asks for any
    // (else null).
    virtual void Add(const FoundEntry& entry, const EntryContent* content) = 0;
    // The walk is over, whole or (complete false) cut short by a stop: writes what is left
    // into the run's files; false when a write, or a read it needed, failed.
    virtual bool Finish(bool complete) = 0;
};
