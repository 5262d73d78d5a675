#pragma once
// One run's output: the file, the placeholder texts of the current directory and entry, and
// the sorted lines, written in one pass when the walk is over. Used by one thread, in this
// order: Begin, Open, then SetDirectory / FormatEntry as the walk goes, AddHeaderAndFooter,
// WriteAndClose. It publishes its progress for other threads as it goes.
#include <windows.h>

#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "engine/RunProgress.h"
#include "engine/SortedLineStore.h"
#include "format/EntryTexts.h"

class OutputWriter {
public:
    OutputWriter(ListingJob& job, RunProgress& progress) : job_(job), progress_(progress) {}
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Makes the job's folder end with "\" (in the job itself), sets DIRNAME and OUTFILE, and
    // reads from the repeat text which placeholders the template needs.
    void Begin();
    // Creates the output file empty, or takes the job's open output handle; false when it
    // cannot be created (or there is no handle).
    bool Open();
    // The directory whose entries follow; it ends with "\".
    void SetDirectory(const CString& directory);
    // Formats one entry of the current directory and sorts its line in.
    // name: the entry's whole name (the record may hold only its start).
    void FormatEntry(const WIN32_FIND_DATAA& entry, const CString& name);
    // Template mode: the expanded header goes first, the expanded footer last.
    void AddHeaderAndFooter();
    // Writes every line with CR LF and closes the file; false when a write failed.
    bool WriteAndClose();

    const EntryTexts& Texts() const { return texts_; }

private:
    ListingJob& job_;
    RunProgress& progress_;
    EntryTexts texts_;
    SortedLineStore lines_;
    size_t baseLength_ = 0;
    OutputFile file_;
};
