#pragma once
// One run's output: the file, the placeholder texts of the current directory and entry, and
// the sorted lines, written in one pass when the walk is over. Used by one thread, in this
// order: Begin, Open, then SetDirectory / FormatEntry as the walk goes, AddHeaderAndFooter,
// WriteAndClose. Every operation reports success as 1 or 0.
#include <windows.h>

#include <cstddef>

#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "engine/SortedLineStore.h"
#include "format/EntryTexts.h"

class OutputWriter {
public:
    explicit OutputWriter(ListingJob& job);
    virtual ~OutputWriter() = default;
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // Makes the job's folder end with "\" (in the job itself), sets DIRNAME and OUTFILE, and
    // reads from the repeat text which placeholders the template needs.
    int Begin();
    // Creates the output file empty; 0 when it cannot be created.
    int Open();
    // The directory whose entries follow; it ends with "\".
    int SetDirectory(const CString& directory);
    // Formats one entry of the current directory and sorts its line in.
    // name: the entry's whole name (the record may hold only its start).
    int FormatEntry(const WIN32_FIND_DATAA& entry, const CString& name);
    // Template mode: the expanded header goes first, the expanded footer last.
    int AddHeaderAndFooter();
    // Writes every line with CR LF and closes the file; 0 when a write failed.
    int WriteAndClose();

    const EntryTexts& Texts() const { return texts_; }
    size_t LineCount() const { return lines_.Count(); }

private:
    ListingJob& job_;
    FormatSwitches switches_;
    EntryTexts texts_;
    SortedLineStore lines_;
    size_t baseLength_ = 0;
    OutputFile file_;
};
