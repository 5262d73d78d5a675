#pragma once
// Where a walk hands what it finds, whatever the output's way: each directory and its entries
// in walk order, each entry's content read here when it was not read ahead, what could not be
// read recorded (but the run's own files), and the entries counted for the front end.
#include <windows.h>

#include <string>

#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/ListingOutput.h"
#include "engine/RunFiles.h"
#include "engine/RunProgress.h"
#include "format/EntryContent.h"
#include "format/FoundEntry.h"
#include "framework/StopSignal.h"
#include "framework/Strings.h"

class EntryIntake {
public:
    EntryIntake(const ListingJob& job, ListingOutput& output, const RunFiles& files, ListingGaps& gaps,
                RunProgress& progress, const StopSignal& stop)
        : subfolders_(job.options.subfolders),
          output_(output),
          files_(files),
          gaps_(gaps),
          progress_(progress),
          stop_(stop) {}
    EntryIntake(const EntryIntake&) = delete;
    EntryIntake& operator=(const EntryIntake&) = delete;

    // What the output needs of the files' content.
    const ContentNeeds& ContentNeeded() const { return output_.ContentNeeded(); }
    // The directory whose entries follow (see ListingOutput::SetDirectory).
    void SetDirectory(const CString& directory, const std::wstring& realPath);
    // One entry of the current directory. content: its content texts when read ahead, else
    // they are read here when needed. False when a stop came first: the entry goes nowhere.
    // An entry found unread is recorded, unless it is a folder the walk enters (it is recorded
    // when the walk turns to it), as is a file whose content could not be read.
    bool Add(const FoundEntry& entry, const EntryContent* content = nullptr);
    // Records a directory or file that could not be read, with the system's error code.
    void RecordUnread(const std::wstring& realPath, DWORD error);
    ListingGaps& Gaps() { return gaps_; }

private:
    const bool subfolders_;  // a folder found is entered: its own listing records it
    ListingOutput& output_;
    const RunFiles& files_;
    ListingGaps& gaps_;
    RunProgress& progress_;
    const StopSignal& stop_;
    std::wstring directoryPath_;  // the current directory's real path, where content is read
    EntryContent content_;        // read here when none is handed in
};
