#include "engine/FolderWalk.h"

#include <deque>
#include <utility>

#include "engine/ContentPrefetcher.h"
#include "engine/DirectoryStep.h"
#include "engine/FolderSequence.h"
#include "engine/WalkRules.h"
#include "framework/LongPath.h"

namespace {

// Opening and reading a file waits on the file system far longer than it computes: a run
// that reads content starts this many content readers beside each directory reader asked for
// (20,000 files listed with checksums under Wine on two processors: on one thread 12.7 s;
// 2 readers 8.8 s, 4 6.6 s, 8 5.4 s).
const unsigned kContentReadersPerReader = 3;

class FolderWalk final : DirectoryStepTaker {
public:
    FolderWalk(const ListingJob& job, EntryIntake& intake, const StopSignal& stop)
        : job_(job), intake_(intake), stop_(stop), rules_(job, job.Encoding(), stop, intake.Gaps().inexactNames) {}

    bool Run() {
        const std::wstring& folder = job_.options.folder;
        Directory root = ListedDirectory(job_.Encoding().FromWide(folder), ExtendedPath(folder));
        return job_.readerThreads < 2 ? RunHere(std::move(root)) : RunReadingAhead(std::move(root));
    }

private:
    // Each directory read on this thread as its turn comes.
    bool RunHere(Directory root) {
        queue_.push_back(std::move(root));
        while (!queue_.empty()) {
            const Directory directory = std::move(queue_.front());
            queue_.pop_front();
            if (!List(directory)) return false;
        }
        return true;
    }

    // Lists one directory's entries and queues its subdirectories; false when a stop came
    // first. A directory whose entries cannot all be read (no access) is recorded unread.
    bool List(const Directory& directory) {
        intake_.SetDirectory(directory.text, directory.realPath);
        std::unique_ptr<DirectorySearch> search;
        DWORD unread = 0;
        if (!StepDirectory(directory, search, rules_, entry_, *this, stop_, unread)) return false;
        if (unread) intake_.RecordUnread(directory.realPath, unread);
        return !stop_;
    }

    bool Listed(const WalkedEntry& entry) override { return intake_.Add(entry.found); }
    void Entered(Directory child) override { queue_.push_back(std::move(child)); }

    // The same directories and entries in the same order, read ahead by a pool of threads.
    bool RunReadingAhead(Directory root) {
        const ContentNeeds& needs = intake_.ContentNeeded();
        FolderSequence sequence(job_, job_.Encoding(), job_.readerThreads, std::move(root), stop_,
                                intake_.Gaps().inexactNames);
        ContentPrefetcher prefetcher(sequence, needs, job_.readerThreads * kContentReadersPerReader, stop_);
        const EntryBatch* batch = nullptr;
        while (prefetcher.NextBatch(batch)) {
            if (batch->first) intake_.SetDirectory(batch->directory->text, batch->directory->realPath);
            for (size_t i = 0; i < batch->Count(); ++i) {
                if (stop_) return false;
                const EntryContent* content = nullptr;
                if (needs.Any() && !prefetcher.Content(i, content)) return false;
                if (!intake_.Add(batch->At(i), content)) return false;
            }
            if (batch->searchError) intake_.RecordUnread(batch->directory->realPath, batch->searchError);
        }
        return !stop_;
    }

    const ListingJob& job_;
    EntryIntake& intake_;
    const StopSignal& stop_;
    WalkRules rules_;
    WalkedEntry entry_;             // the current entry
    std::deque<Directory> queue_;   // the walk on one thread: the directories found, to list
};

}  // namespace

bool WalkFolder(const ListingJob& job, EntryIntake& intake, const StopSignal& stop) {
    return FolderWalk(job, intake, stop).Run();
}
