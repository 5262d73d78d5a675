#pragma once
// One run's output: the file, the placeholder texts of the current directory and entry, and
// the sorted lines, written in one pass when the walk is over. Used by one thread, in this
// order: Begin, Open, then SetDirectory / FormatEntry as the walk goes, AddHeaderAndFooter,
// WriteAndClose.
#include <windows.h>

#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "engine/SortedLineStore.h"
#include "format/EntryTexts.h"

class OutputWriter {
public:
    // write: the output file's write call (tests give one that fails).
    explicit OutputWriter(ListingJob& job, OutputFile::WriteFunction write = ::WriteFile)
        : job_(job), file_(write) {}
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Makes the job's folder end with "\" (in the job itself), sets DIRNAME and OUTFILE, and
    // reads from the repeat text which placeholders the template needs.
    void Begin();
    // Creates the output file empty; false when it cannot be created.
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
    EntryTexts texts_;
    SortedLineStore lines_;
    size_t baseLength_ = 0;
    OutputFile file_;
};
