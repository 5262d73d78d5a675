#include "engine/EntryIntake.h"

#include "engine/FoundContent.h"

void EntryIntake::SetDirectory(const CString& directory, const std::wstring& realPath) {
    directoryPath_ = realPath;
    output_.SetDirectory(directory, realPath);
}

bool EntryIntake::Add(const FoundEntry& entry, const EntryContent* content) {
    if (files_.IsSide(directoryPath_, entry.realName)) return true;
    const ContentNeeds& needs = output_.ContentNeeded();
    if (needs.Any()) {  // most runs need neither: no full path per entry then
        if (!content) {
            if (!ReadFoundContent(entry, directoryPath_, needs, stop_, content_)) return false;
            content = &content_;
        }
        if (stop_) return false;
    }
    output_.Add(entry, content);
    progress_.entriesFound.fetch_add(1, std::memory_order_relaxed);
    const bool entered = entry.IsDirectory() && subfolders_;  // a path run enters nothing
    if (entry.unreadError) {
        if (!entered) RecordUnread(directoryPath_ + entry.realName, entry.unreadError);
    } else if (content && content->unreadError) {
        RecordUnread(directoryPath_ + entry.realName, content->unreadError);
    }
    return true;
}

void EntryIntake::RecordUnread(const std::wstring& realPath, DWORD error) {
    // The output, held open for writing, fails so; no other path is opened here (a name
    // holding a separator must never be).
    if (error == ERROR_SHARING_VIOLATION && files_.IsOwn(realPath)) return;
    gaps_.unread.push_back(UnreadEntry{realPath, error});
}
