#pragma once
// A folder walk read ahead. A small pool of threads reads the directories, and the files'
// content when the lines need it, ahead of the one thread that takes the entries, which gets
// them in exactly the walk's order on one thread: breadth-first, each directory's entries as
// the file system gives them. Reading is latency-bound (a system call per directory and per
// file), formatting and sorting are not: the pool keeps the reads going while the taker works.
//
// The directories are a sequence in walk order. A reader takes the first one not being read
// within a window ahead of the taker and reads a batch of its entries at a time; a
// directory's subdirectories join the sequence once every directory before it has been read
// through, so the sequence is the walk's. Content is read ahead for the first entries in walk
// order, a bounded number of them. What is held ahead is bounded (directories, batches of
// entries, content texts), whatever the width of the tree. A stop request ends the readers'
// work at the next entry and the taker's at once.
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/ListingJob.h"
#include "engine/WalkRules.h"
#include "format/EntryContent.h"
#include "framework/Strings.h"
#include "framework/WorkerThread.h"
#include "text/TextEncoding.h"

class FolderReadAhead {
public:
    // Starts the readers on the walk from root: job.readerThreads, more when the lines need
    // content (checksum, versions; needs), which is read ahead too.
    FolderReadAhead(const ListingJob& job, const TextEncoding& encoding, const ContentNeeds& needs, Directory root,
                    const std::atomic<bool>& stopRequest);
    // Ends the readers and waits for them.
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    // The next directory of the walk, from the root on; false when the walk is over or a stop
    // came. Valid until the next call.
    bool NextDirectory(const Directory*& directory);
    // The next listed entry of the current directory: its find record (the real name with
    // it), its name in the output's encoding, and its content texts when needs asked for any
    // (else null). False at the directory's end, or when a stop came.
    bool NextEntry(WIN32_FIND_DATAW& entry, CString& name, const EntryContent*& content);

private:
    struct Batch;
    struct Slot;
    struct Reader;

    void Work(Reader& reader);
    bool ReadContentAhead(std::unique_lock<std::mutex>& lock);
    bool ReadDirectoryAhead(std::unique_lock<std::mutex>& lock, Reader& reader);
    void ReadBatchOf(Slot& slot, std::unique_lock<std::mutex>& lock, Reader& reader);
    bool ReadEntries(Slot& slot, Batch& batch, Reader& reader);
    void AppendChildren();
    bool TakeBatch(std::unique_lock<std::mutex>& lock);
    bool TakeContent(std::unique_lock<std::mutex>& lock, size_t index, const EntryContent*& content);
    std::unique_ptr<Batch> NewBatch();
    void Recycle(std::unique_ptr<Batch> batch);

    const TextEncoding& encoding_;
    const ContentNeeds needs_;
    const std::atomic<bool>& stopRequest_;

    std::mutex mutex_;
    std::condition_variable work_;   // for the readers: work has come within reach
    std::condition_variable ready_;  // for the taker: entries or content have been read
    bool quit_ = false;

    std::deque<std::unique_ptr<Slot>> slots_;  // from the taker's directory on, in walk order
    size_t appended_ = 0;         // the slots whose subdirectories are in the sequence
    bool started_ = false;        // slots_.front() is the taker's directory
    size_t batchesHeld_ = 0;      // batches being read or read, not yet done with
    size_t contentAhead_ = 0;     // entries whose content a reader has taken on, not yet handed out
    std::vector<std::unique_ptr<Batch>> spare_;  // batches done with, for reuse

    std::unique_ptr<Batch> current_;  // the taker's batch (of slots_.front())
    size_t currentIndex_ = 0;         // its next entry to hand out

    std::unique_ptr<Reader> takerReader_;  // the taker reads itself what it would wait for
    std::vector<std::unique_ptr<Reader>> readers_;
    std::vector<std::unique_ptr<WorkerThread>> threads_;
};
