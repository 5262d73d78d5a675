#pragma once
// The run's output as sorted lines: each entry formatted into its placeholder texts and its
// line, kept in the store until the walk is over; then the template's header and footer go
// around them, and a way of finishing the lines writes them.
#include <memory>
#include <string>

#include "engine/ListingJob.h"
#include "engine/ListingOutput.h"
#include "engine/SortedLineStore.h"
#include "format/EntryFormatter.h"
#include "format/EntryTexts.h"

class OutputFile;

class EntryLines : public ListingOutput {
public:
    // Sets DIRNAME and OUTFILE, and reads from the repeat text which placeholders the
    // template needs.
    explicit EntryLines(const ListingJob& job);
    EntryLines(const EntryLines&) = delete;
    EntryLines& operator=(const EntryLines&) = delete;

    const ContentNeeds& ContentNeeded() const override { return formatter_->Needs(); }
    void SetDirectory(const CString& directory, const std::wstring& realPath) override;
    // Formats the entry and sorts its line in.
    void Add(const FoundEntry& entry, const EntryContent* content) override;
    // Template mode: the expanded header goes first, the expanded footer last; then the lines
    // are finished, and given up.
    bool Finish(bool complete) override;

    const EntryTexts& Texts() const { return texts_; }

protected:
    // Writes the lines where this way puts them; false when a write, or a read, failed.
    virtual bool FinishLines(const SortedLineStore& lines, bool complete) = 0;
    // Writes every line with CR LF to the file; false when a write failed.
    static bool WriteLines(const SortedLineStore& lines, OutputFile& file);

    const ListingOptions& options_;
    const TextEncoding& encoding_;

private:
    EntryTexts texts_;
    size_t baseLength_;  // where below the listed folder's text a directory's DIR begins
    std::unique_ptr<EntryFormatter> formatter_;  // made once the texts know what is needed
    SortedLineStore lines_;
};
