#include "engine/FolderWalk.h"

#include <deque>
#include <utility>

#include "content/ReadPause.h"
#include "engine/ContentPrefetcher.h"
#include "engine/DirectorySearch.h"
#include "engine/FolderSequence.h"
#include "engine/WalkRules.h"
#include "framework/LongPath.h"

namespace {

class FolderWalk {
public:
    FolderWalk(const ListingJob& job, OutputWriter& writer, const StopSignal& stop)
        : job_(job), writer_(writer), stop_(stop), rules_(job, writer.Encoding(), stop, writer.Gaps().inexactNames) {}

    bool Run() {
        Directory root = ListedDirectory(writer_.Texts().dirName, ExtendedPath(job_.options.folder));
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
    // first. A directory whose entries cannot all be read (no access) is recorded unread.
    bool List(const Directory& directory, std::deque<Directory>& queue) {
        writer_.SetDirectory(directory.text, directory.realPath);
        PauseBeforeRead();
        if (directory.nameHoldsSeparator) {  // its path leads elsewhere: nothing is searched
            writer_.RecordUnread(directory.realPath, ERROR_INVALID_NAME);
            return !stop_;
        }
        DirectorySearch search(directory.realPath + L"*");
        if (!rules_.MayRead(search, directory)) return !stop_;
        while (rules_.Step(search, directory, entry_)) {
            if (entry_.listed && !writer_.FormatEntry(entry_.record, entry_.name)) return false;
            if (entry_.entered) queue.push_back(std::move(entry_.child));
        }
        if (stop_) return false;
        if (search.Error()) writer_.RecordUnread(directory.realPath, search.Error());
        return true;
    }

    // The same directories and entries in the same order, read ahead by a pool of threads.
    bool RunReadingAhead(Directory root) {
        const ContentNeeds& needs = writer_.ContentNeeded();
        FolderSequence sequence(job_, writer_.Encoding(), needs.Any(), job_.readerThreads, std::move(root), stop_,
                                writer_.Gaps().inexactNames);
        ContentPrefetcher prefetcher(sequence, needs, job_.readerThreads * kContentReadersPerReader, stop_);
        const EntryBatch* batch = nullptr;
        while (prefetcher.NextBatch(batch)) {
            if (batch->first) writer_.SetDirectory(batch->directory->text, batch->directory->realPath);
            for (size_t i = 0; i < batch->Count(); ++i) {
                if (stop_) return false;
                batch->Get(i, entry_.record, entry_.name);
                const EntryContent* content = nullptr;
                if (needs.Any() && !prefetcher.Content(i, content)) return false;
                if (!writer_.FormatEntry(entry_.record, entry_.name, content)) return false;
            }
            if (batch->searchError) writer_.RecordUnread(batch->directory->realPath, batch->searchError);
        }
        return !stop_;
    }

    const ListingJob& job_;
    OutputWriter& writer_;
    const StopSignal& stop_;
    WalkRules rules_;
    WalkedEntry entry_;  // the current entry
};

}  // namespace

bool WalkFolder(const ListingJob& job, OutputWriter& writer, const StopSignal& stop) {
    return FolderWalk(job, writer, stop).Run();
}
