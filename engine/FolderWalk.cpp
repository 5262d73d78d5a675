#include "engine/FolderWalk.h"

#include <deque>
#include <utility>

#include "engine/DirectorySearch.h"
#include "engine/WildcardFilter.h"
#include "framework/LongPath.h"

namespace {

bool IsDirectory(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsWritten(const ListingJob& job, const WIN32_FIND_DATAA& entry, const CString& name) {
    if (IsDirectory(entry) && !job.options.directoryNames) return false;
    return !job.options.filter || MatchesFilter(job.filterList, name.c_str());
}

// Lists one directory's entries and queues its subdirectories. A directory that cannot be
// searched (no access) contributes nothing; a long path is no reason (see DirectorySearch).
void ListDirectory(const ListingJob& job, OutputWriter& writer, const CString& directory,
                   std::deque<CString>& queue) {
    writer.SetDirectory(directory);
    DirectorySearch search(directory + "*.*");
    WIN32_FIND_DATAA entry;
    while (search.Next(entry)) {
        // ".", ".." and hidden folders such as ".cache" are neither listed nor entered.
        if (IsDirectory(entry) && entry.cFileName[0] == '.') continue;
        if (IsWritten(job, entry, search.Name())) writer.FormatEntry(entry, search.Name());
        if (job.options.subfolders && IsDirectory(entry)) queue.push_back(directory + search.Name() + "\\");
    }
}

}  // namespace

void WalkFolder(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest) {
    std::deque<CString> queue{job.options.folder};
    while (!queue.empty() && !stopRequest) {
        const CString directory = std::move(queue.front());
        queue.pop_front();
        ListDirectory(job, writer, directory, queue);
    }
}

bool IsExistingFolder(const CString& path) {
    const DWORD attributes = PathAttributes(path);  // a deep folder is a folder too
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
