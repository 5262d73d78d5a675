#pragma once
// One run's output: the file, the placeholder texts of the current directory and entry, and
// the sorted lines, written in one pass when the walk is over. Used by one thread, in this
// order: Begin, OpenEarlierListing, Open, then SetDirectory / FormatEntry as the walk goes,
// AddHeaderAndFooter, WriteAndClose.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "format/ComparisonCounts.h"
#include "engine/EarlierListing.h"
#include "engine/FolderIdentity.h"
#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "engine/RunProgress.h"
#include "engine/RunResult.h"
#include "engine/SortedLineStore.h"
#include "format/EntryContent.h"
#include "format/EntryFormatter.h"
#include "format/EntryTexts.h"
#include "framework/StopSignal.h"
#include "text/TextEncoding.h"

class OutputWriter {
public:
    // The writer publishes how far it has come in progress; stop, when given, may end the
    // reading of an entry's content.
    OutputWriter(ListingJob& job, RunProgress& progress, const StopSignal& stop = StopSignal::Never());
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Makes the job's folder end with "\" (in the job itself), sets DIRNAME and OUTFILE, and
    // reads from the repeat text which placeholders the template needs.
    void Begin();
    // A comparing run: opens the earlier listing and checks that it fits; Complete when it
    // does or the run does not compare, else the refusal (engine/EarlierListingFit.h).
    RunResult OpenEarlierListing();
    // Creates the output file empty, or takes the job's open output handle, and the report
    // file when the report goes to a file of its own; false when one cannot be created.
    bool Open();
    // The directory whose entries follow: its text in the output's encoding and its real path
    // (see framework/LongPath.h), both ending with "\".
    void SetDirectory(const CString& directory, const std::wstring& realPath);
    // Formats one entry of the current directory and sorts its line in. name: the entry's
    // name in the output's encoding; content: its content texts when read ahead (see
    // ContentNeeded), else they are read here when needed. False when a stop came first: the
    // entry has no line, and nothing of it stays in the texts. A file whose content could not
    // be read, and an entry whose name holds a separator (see NameHoldsSeparator: nothing is
    // read through it; a folder entered is recorded when the walk turns to it), are recorded
    // in Gaps(), except the output file itself.
    bool FormatEntry(const WIN32_FIND_DATAW& entry, const CString& name, const EntryContent* content = nullptr);
    // Records a directory or file that could not be read, with the system's error code.
    void RecordUnread(const std::wstring& realPath, DWORD error);
    // Template mode: the expanded header goes first, the expanded footer last.
    void AddHeaderAndFooter();
    // Writes every line with CR LF (UTF-8: after the byte-order mark), or in a comparing run
    // the report, and closes the files; false when a write, or the earlier listing's read,
    // failed.
    bool WriteAndClose();
    // What a comparing run found, once it is written.
    const ComparisonCounts& Comparison() const { return comparison_; }

    const EntryTexts& Texts() const { return texts_; }
    // From Begin on: what the lines need of the files' content.
    const ContentNeeds& ContentNeeded() const { return formatter_->Needs(); }
    const TextEncoding& Encoding() const { return encoding_; }
    // What the listing could not read or write as it is, so far.
    ListingGaps& Gaps() { return gaps_; }

private:
    // The listing goes to the output and the report to a file of its own.
    bool ReportHasItsFile() const;
    // Creates a file the run writes and notes which it is.
    bool CreateWritten(OutputFile& file, const std::wstring& path);

    ListingJob& job_;
    RunProgress& progress_;
    const TextEncoding& encoding_;
    const StopSignal& stop_;
    EntryTexts texts_;
    std::wstring directoryPath_;  // the current directory's real path, where content is read
    EntryContent content_;        // read here when none is handed in
    std::unique_ptr<EntryFormatter> formatter_;  // made by Begin, once the flags are known
    SortedLineStore lines_;
    size_t baseLength_ = 0;
    OutputFile file_;
    OutputFile reportFile_;  // the report when it has a file of its own
    EarlierListing earlier_;
    ComparisonCounts comparison_;
    // The files this run creates, read as a folder's is (volume and file identifier).
    std::vector<FolderIdentity> writtenFiles_;
    ListingGaps gaps_;
};
