#include "engine/FolderWalk.h"

#include <cwchar>
#include <deque>
#include <utility>

#include "engine/DirectorySearch.h"
#include "engine/FolderReadAhead.h"
#include "engine/WalkRules.h"
#include "framework/LongPath.h"

namespace {

class FolderWalk {
public:
    FolderWalk(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest)
        : job_(job), writer_(writer), stopRequest_(stopRequest), rules_(job, writer.Encoding()) {}

    bool Run() {
        Directory root{writer_.Texts().dirName, ExtendedPath(job_.options.folder)};
        return job_.readerThreads < 2 ? RunHere(std::move(root)) : RunReadingAhead(std::move(root));
    }

private:
    // Each directory read on this thread as its turn comes.
    bool RunHere(Directory root) {
        std::deque<Directory> queue;
        queue.push_back(std::move(root));
        while (!queue.empty()) {
            const Directory directory = std::move(queue.front());
            queue.pop_front();
            if (!List(directory, queue)) return false;
        }
        return true;
    }

    // Lists one directory's entries and queues its subdirectories; false when a stop came
    // first. A directory that cannot be searched (no access) contributes nothing.
    bool List(const Directory& directory, std::deque<Directory>& queue) {
        writer_.SetDirectory(directory.text, directory.realPath);
        DirectorySearch search(directory.realPath + L"*");
        while (search.Next(entry_)) {
            if (stopRequest_) return false;
            if (WalkRules::IsSkipped(entry_)) continue;
            writer_.Encoding().FromWide(entry_.cFileName, std::wcslen(entry_.cFileName), name_);
            if (rules_.IsListed(entry_, name_) && !writer_.FormatEntry(entry_, name_)) return false;
            Directory child;
            if (rules_.Enters(directory, entry_, name_, child)) queue.push_back(std::move(child));
        }
        return !stopRequest_;
    }

    // The same directories and entries in the same order, read ahead by a pool of threads.
    bool RunReadingAhead(Directory root) {
        FolderReadAhead ahead(job_, writer_.Encoding(), writer_.ContentNeeded(), std::move(root), stopRequest_);
        const Directory* directory = nullptr;
        while (ahead.NextDirectory(directory)) {
            writer_.SetDirectory(directory->text, directory->realPath);
            const EntryContent* content = nullptr;
            while (ahead.NextEntry(entry_, name_, content))
                if (!writer_.FormatEntry(entry_, name_, content)) return false;
        }
        return !stopRequest_;
    }

    const ListingJob& job_;
    OutputWriter& writer_;
    const std::atomic<bool>& stopRequest_;
    WalkRules rules_;
    WIN32_FIND_DATAW entry_;  // the current entry
    CString name_;            // its name in the output's encoding
};

}  // namespace

bool WalkFolder(const ListingJob& job, OutputWriter& writer, const std::atomic<bool>& stopRequest) {
    return FolderWalk(job, writer, stopRequest).Run();
}

bool IsExistingFolder(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
