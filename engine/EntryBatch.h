#pragma once
// Listed entries of one directory as a reader read them, handed over whole between threads:
// each find record without its names, the names gathered in two texts, and room for the
// content texts when the lines need them.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/WalkRules.h"
#include "format/EntryContent.h"
#include "framework/Strings.h"

class EntryBatch {
public:
    enum ContentState : unsigned char { kUnread, kReading, kRead };

    // Empty, for the directory, with content texts when withContent.
    void Reset(std::shared_ptr<const Directory> of, bool isFirst, bool withContent);
    // The walked entry's record and name (its content, when asked for, is read later).
    void Add(const WalkedEntry& entry);
    // The entry's find record (the fields a find with the basic level fills) and name.
    void Get(size_t index, WIN32_FIND_DATAW& entry, CString& name) const;
    // The entry's real path and its real name and attributes as found, for reading its content.
    std::wstring RealPath(size_t index) const;
    const wchar_t* RealName(size_t index) const { return names.c_str() + items[index].wideAt; }
    DWORD Attributes(size_t index) const { return items[index].attributes; }
    size_t Count() const { return items.size(); }

    std::shared_ptr<const Directory> directory;
    bool first = false;  // the directory's first batch: the walk turns to the directory here
    // In the directory's last batch: why its entries ended before they were all read (see
    // DirectorySearch::Error), 0 when they were.
    DWORD searchError = 0;
    bool withContent = false;
    // One for each entry when withContent. Grown only while the batch is filled: once it is
    // handed over, readers hold references into it.
    std::vector<EntryContent> contents;
    // What became of each entry's content, and the first entry whose content nobody has
    // taken on: kept by engine/ContentPrefetcher.h.
    std::vector<ContentState> contentStates;
    size_t contentNext = 0;

private:
    struct Item {
        DWORD attributes;
        FILETIME creation, lastAccess, lastWrite;
        DWORD sizeHigh, sizeLow;
        DWORD reserved0;            // the reparse tag of a link
        size_t wideAt, wideLength;  // the real name, in names
        size_t textAt, textLength;  // the name in the output's encoding, in texts
    };

    std::vector<Item> items;
    std::wstring names;  // the real names, each followed by a zero
    std::string texts;
};
