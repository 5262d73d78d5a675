#pragma once
// The directories of a folder walk in the order of the walk on one thread (breadth-first,
// each directory's entries as the file system gives them), read ahead by a few threads and
// handed to one taker as batches of listed entries.
//
// What holds, under the lock:
// - slots_ holds in walk order every directory found and not yet handed out whole; the
//   front is the one the taker takes batches of. A directory's subdirectories join it once
//   it and every directory before it are read through (the first appended_ slots), so the
//   order is the walk's whatever order the reads finished in.
// - One thread at a time reads a slot (reading); readers read only the first
//   kDirectoriesAhead slots, and start a batch only while fewer than kBatchesAhead are held
//   (being read, read, or handed out and not given back). The taker reads for itself what it
//   would wait for and nobody reads, so one batch more may be held.
// - Each directory gives at least its first batch, maybe empty, so that the taker turns to
//   every directory in turn.
// Bounded: batches (and their entries) and open searches. What grows with the tree is what
// the walk on one thread queues too: the directories found and not yet listed.
// A stop wakes every waiting thread; readers end, and the taker gets the end. What a reader
// throws (memory running out) is thrown again to the taker.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/EntryBatch.h"
#include "engine/ListingJob.h"
#include "engine/WalkRules.h"
#include "framework/StopSignal.h"
#include "framework/WorkerThread.h"
#include "text/TextEncoding.h"

class FolderSequence {
public:
    // Starts readers threads on the walk from root. inexactNames: as for WalkRules.
    FolderSequence(const ListingJob& job, const TextEncoding& encoding, unsigned readers, Directory root,
                   const StopSignal& stop, std::atomic<uint64_t>& inexactNames);
    // Ends the readers and waits for them.
    ~FolderSequence();
    FolderSequence(const FolderSequence&) = delete;
    FolderSequence& operator=(const FolderSequence&) = delete;

    enum class Taken { kBatch, kNotYet, kEnd };
    // The walk's next batch. With wait, a batch not read yet is read here or waited for;
    // without, it gives kNotYet. kEnd at the walk's end, or once a stop came. Throws what a
    // reader thread threw.
    Taken Take(std::unique_ptr<EntryBatch>& batch, bool wait);
    // A batch handed out by Take, done with.
    void GiveBack(std::unique_ptr<EntryBatch> batch);

private:
    struct Slot;
    struct Reader;

    void Work(Reader& reader);
    bool ReadAhead(std::unique_lock<std::mutex>& lock, Reader& reader);
    void ReadBatchOf(Slot& slot, std::unique_lock<std::mutex>& lock, Reader& reader);
    bool ReadEntries(Slot& slot, EntryBatch& batch, Reader& reader);
    void AppendChildren();
    void Fail(std::exception_ptr failure);

    const StopSignal& stop_;

    std::mutex mutex_;
    std::condition_variable work_;   // for the readers: work has come within reach
    std::condition_variable ready_;  // for the taker: a batch has been read
    StopWake wakeReaders_;
    StopWake wakeTaker_;
    bool quit_ = false;
    std::exception_ptr failure_;  // what a reader threw: its batch will never come

    std::deque<std::unique_ptr<Slot>> slots_;
    size_t appended_ = 0;
    size_t batchesHeld_ = 0;
    std::vector<std::unique_ptr<EntryBatch>> spare_;  // given back, for reuse

    std::unique_ptr<Reader> takerReader_;
    std::vector<std::unique_ptr<Reader>> readers_;
    std::vector<std::unique_ptr<WorkerThread>> threads_;
};
