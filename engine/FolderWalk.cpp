#include "engine/FolderWalk.h"

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

#include "engine/DirectorySearch.h"
#include "engine/FolderIdentity.h"
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

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

class FolderWalk {
public:
    FolderWalk(const ListingJob& job, OutputWriter& writer)
        : job_(job), writer_(writer), encoding_(writer.Encoding()), filter_(job.filterList, encoding_) {}

    bool Run(const std::atomic<bool>& stopRequest) {
        std::deque<Directory> queue;
        queue.push_back({writer_.Texts().dirName, ExtendedPath(job_.options.folder)});
        while (!queue.empty()) {
            const Directory directory = std::move(queue.front());
            queue.pop_front();
            if (!List(directory, queue, stopRequest)) return false;
        }
        return true;
    }

private:
    bool IsWritten(const WIN32_FIND_DATAW& entry, const CString& name) const {
        if (IsDirectory(entry) && !job_.options.directoryNames) return false;
        return !job_.options.filter || filter_.Matches(name);
    }

    // Whether a link found in the directory leads out of the directory's own line of folders.
    bool LeadsElsewhere(const Directory& directory, const std::wstring& linkPath) {
        FolderIdentity target;
        if (!ReadFolderIdentity(linkPath, target)) return false;
        if (ancestorsOf_ != directory.realPath) {  // read once per directory that holds links
            ancestors_ = FolderAndAncestors(directory.realPath);
            ancestorsOf_ = directory.realPath;
        }
        return std::find(ancestors_.begin(), ancestors_.end(), target) == ancestors_.end();
    }

    // Lists one directory's entries and queues its subdirectories; false when a stop came
    // first. A directory that cannot be searched (no access) contributes nothing.
    bool List(const Directory& directory, std::deque<Directory>& queue, const std::atomic<bool>& stopRequest) {
        writer_.SetDirectory(directory.text, directory.realPath);
        DirectorySearch search(directory.realPath + L"*");
        WIN32_FIND_DATAW entry;
        while (search.Next(entry)) {
            if (stopRequest) return false;
            // ".", ".." and hidden folders such as ".cache" are neither listed nor entered.
            if (IsDirectory(entry) && entry.cFileName[0] == L'.') continue;
            encoding_.FromWide(entry.cFileName, std::wcslen(entry.cFileName), name_);
            if (IsWritten(entry, name_) && !writer_.FormatEntry(entry, name_)) return false;
            if (!job_.options.subfolders || !IsDirectory(entry)) continue;
            std::wstring realPath = directory.realPath + entry.cFileName + L"\\";
            if (IsLink(entry) && !LeadsElsewhere(directory, realPath)) continue;
            queue.push_back({directory.text + name_ + "\\", std::move(realPath)});
        }
        return !stopRequest;
    }

    const ListingJob& job_;
    OutputWriter& writer_;
    const TextEncoding& encoding_;
    WildcardFilter filter_;
    CString name_;  // the current entry's name in the output's encoding
    std::wstring ancestorsOf_;  // the directory whose line of folders ancestors_ holds
    std::vector<FolderIdentity> ancestors_;
};

}  // namespace

bool WalkFolder(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest) {
    return FolderWalk(job, writer).Run(stopRequest);
}

bool IsExistingFolder(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
