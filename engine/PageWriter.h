#pragma once
// The browsable page: one HTML file holding its style, its script and the listing's data,
// written folder by folder as the walk delivers each folder's entries. Only the current
// folder's entries are held (its names once, sizes and dates as numbers): the run's memory does
// not grow with the listing, and the page sorts. Used by one thread, in this order: Begin,
// then BeginFolder / AddEntry as the walk goes, Finish.
#include <windows.h>

#include <cstddef>
#include <string>

#include "engine/ListingGaps.h"
#include "engine/ListingJob.h"
#include "engine/OutputFile.h"
#include "format/EntryContent.h"
#include "format/PageText.h"

class PageWriter {
public:
    PageWriter(const ListingJob& job, OutputFile& file);
    PageWriter(const PageWriter&) = delete;
    PageWriter& operator=(const PageWriter&) = delete;

    // The page's head, style, words and the listing's own facts.
    void Begin();
    // The folder whose entries follow, by its real path ending in "\"; the first is the
    // listed folder.
    void BeginFolder(const std::wstring& realPath);
    // One entry of the current folder, with its content texts when the columns need them.
    void AddEntry(const WIN32_FIND_DATAW& entry, const EntryContent* content);
    // The last folder, what could not be read, the script and the page's end. Failed writes
    // show when the file is closed.
    void Finish(const ListingGaps& gaps);

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

    void WriteFolder();
    void WriteFacts();
    std::wstring BelowListed(const std::wstring& realPath) const;

    const ListingJob& job_;
    OutputFile& file_;
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
};
