#pragma once
// The browsable page: one HTML file holding its style, its script and the listing's data,
// written folder by folder as the walk delivers each folder's entries. Only the current
// folder's entries are held (its names once, sizes and dates as numbers): the run's memory does
// not grow with the listing, and the page sorts. A way of writing the run's output
// (engine/ListingOutput.h): its head is written when it is made.
#include <cstddef>
#include <string>

#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/ListingOutput.h"
#include "engine/OutputFile.h"
#include "format/EntryContent.h"
#include "format/PageText.h"

class PageWriter final : public ListingOutput {
public:
    // Writes the page's head, style, words and the listing's own facts into file; gaps is
    // the run's record of what could not be read, named at the page's end.
    PageWriter(const ListingJob& job, OutputFile& file, const ListingGaps& gaps);
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    const ContentNeeds& ContentNeeded() const override { return needs_; }
    // The folder whose entries follow; the first is the listed folder.
    void SetDirectory(const CString& directory, const std::wstring& realPath) override;
    // One entry of the current folder, with its content texts when the columns need them.
    void Add(const FoundEntry& entry, const EntryContent* content) override;
    // The last folder, what could not be read, the script and the page's end. Failed writes
    // show when the file is closed.
    bool Finish(bool complete) override;

private:
    // One column of one folder: its values as JSON text, comma-separated.
    struct Column {
        std::string folders;  // of the folder entries, which come first
        std::string files;
        void Add(bool folder, const std::string& value);
        void Clear() {
            folders.clear();
            files.clear();
        }
        void AppendTo(std::string& out) const;
    };

    void WriteHead();
    void WriteFolder();
    void WriteFacts();
    std::wstring BelowListed(const std::wstring& realPath) const;

    const ListingJob& job_;
    OutputFile& file_;
    const ListingGaps& gaps_;
    ContentNeeds needs_;
    PageText text_;
    std::wstring listedPath_;  // the first folder's real path
    bool inFolder_ = false;
    std::wstring folderPath_;  // the current folder, below the listed one
    size_t folderFolders_ = 0;
    Column names_, sizes_, dates_, attributes_, crcs_, versions_, productVersions_;
    std::string value_;   // one value being made
    std::string record_;  // one folder's record
    size_t chunkBytes_ = 0;
    bool chunkOpen_ = false;
    size_t chunkLimit_ = 0;  // the open piece's size; 0: the listed folder's record alone
};
