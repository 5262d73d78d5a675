#include "engine/FolderWalk.h"

#include <deque>
#include <utility>

#include "engine/DirectorySearch.h"
#include "engine/WildcardFilter.h"
#include "framework/LongPath.h"

namespace {

// A directory still to list: its text for the output and its real path, both ending in "\".
struct Directory {
    CString text;
    std::wstring realPath;
};

bool IsDirectory(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

class FolderWalk {
public:
    FolderWalk(const ListingJob& job, OutputWriter& writer)
        : job_(job), writer_(writer), encoding_(writer.Encoding()), filter_(job.filterList, encoding_) {}

    void Run(const std::atomic<bool>& stopRequest) {
        std::deque<Directory> queue;
        queue.push_back({writer_.Texts().dirName, ExtendedPath(job_.options.folder)});
        while (!queue.empty() && !stopRequest) {
            const Directory directory = std::move(queue.front());
            queue.pop_front();
            List(directory, queue);
        }
    }

private:
    bool IsWritten(const WIN32_FIND_DATAW& entry, const CString& name) const {
        if (IsDirectory(entry) && !job_.options.directoryNames) return false;
        return !job_.options.filter || filter_.Matches(name);
    }

    // Lists one directory's entries and queues its subdirectories. A directory that cannot be
    // searched (no access) contributes nothing.
    void List(const Directory& directory, std::deque<Directory>& queue) {
        writer_.SetDirectory(directory.text, directory.realPath);
        DirectorySearch search(directory.realPath + L"*");
        WIN32_FIND_DATAW entry;
        while (search.Next(entry)) {
            // ".", ".." and hidden folders such as ".cache" are neither listed nor entered.
            if (IsDirectory(entry) && entry.cFileName[0] == L'.') continue;
            encoding_.FromWide(entry.cFileName, std::wcslen(entry.cFileName), name_);
            if (IsWritten(entry, name_)) writer_.FormatEntry(entry, name_);
            if (job_.options.subfolders && IsDirectory(entry))
                queue.push_back({directory.text + name_ + "\\", directory.realPath + entry.cFileName + L"\\"});
        }
    }

    const ListingJob& job_;
    OutputWriter& writer_;
    const TextEncoding& encoding_;
    WildcardFilter filter_;
    CString name_;  // the current entry's name in the output's encoding
};

}  // namespace

void WalkFolder(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest) {
    FolderWalk(job, writer).Run(stopRequest);
}

bool IsExistingFolder(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
