#pragma once
// The files' content (checksums, versions) read ahead of the one thread that formats the
// entries, by a few threads, for the next entries in walk order. It hands the walk its
// batches from a folder sequence, in order, and each entry's content texts.
//
// What holds, under the lock:
// - queue_ holds the batches taken from the sequence, in walk order; its front is the
//   taker's batch once the taker has one.
// - In walk order, the entries whose content is taken on (read or being read) come before
//   every entry whose content nobody has taken on; each queued batch's next marks the line.
// - ahead_ counts entries a reader has taken on and the taker has not had yet; readers take
//   one on only while it is under kContentAhead. The taker reads its entry itself when
//   nobody has taken it on.
// - The taker takes batches on (never waiting) while fewer than kContentAhead entries are
//   queued past its own, and gives its batch back once it has had every entry's content: no
//   reader touches a batch then.
// Bounded: content texts read ahead, and the batches queued (the sequence's bound).
// A stop wakes every waiting thread; readers end, and the taker gets false. What a reader
// throws (memory running out) is thrown again to the taker.
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/EntryBatch.h"
#include "engine/FolderSequence.h"
#include "format/EntryContent.h"
#include "framework/StopSignal.h"
#include "framework/WorkerThread.h"

// Opening and reading a file waits on the file system far longer than it computes: a run
// that reads content starts this many content readers beside each directory reader asked for
// (20,000 files listed with checksums under Wine on two processors: on one thread 12.7 s;
// 2 readers 8.8 s, 4 6.6 s, 8 5.4 s). A check of a checksum file reads with as many.
const unsigned kContentReadersPerReader = 3;

class ContentPrefetcher {
public:
    // Starts readers threads when needs asks for any content; else it only hands on batches.
    ContentPrefetcher(FolderSequence& sequence, const ContentNeeds& needs, unsigned readers, const StopSignal& stop);
    // Ends the readers and waits for them.
    ~ContentPrefetcher();
    ContentPrefetcher(const ContentPrefetcher&) = delete;
    ContentPrefetcher& operator=(const ContentPrefetcher&) = delete;

    // The walk's next batch, valid until the next call; false at the walk's end or when a
    // stop came.
    bool NextBatch(const EntryBatch*& batch);
    // The content texts of the batch's entry, asked for in order, each once; false when a
    // stop came first. Throws what a reader thread threw.
    bool Content(size_t index, const EntryContent*& content);

private:
    enum ContentState : unsigned char { kUnread, kReading, kRead };
    // A batch taken from the sequence, with its entries' content texts and what became of each.
    struct Queued {
        std::unique_ptr<EntryBatch> batch;
        // One for each entry when content is needed. Grown only before the batch is queued:
        // readers hold references into it.
        std::vector<EntryContent> contents;
        std::vector<ContentState> states;
        size_t next = 0;  // the first entry whose content nobody has taken on
    };

    void Work();
    void TakeOnMore();
    void Queue(std::unique_ptr<EntryBatch> batch);
    void Read(Queued& queued, size_t index);
    void Fail(std::exception_ptr failure);

    FolderSequence& sequence_;
    const ContentNeeds needs_;
    const StopSignal& stop_;

    std::mutex mutex_;
    std::condition_variable work_;   // for the readers: entries queued, or room ahead
    std::condition_variable ready_;  // for the taker: an entry's content has been read
    StopWake wakeReaders_;
    StopWake wakeTaker_;
    bool quit_ = false;
    std::exception_ptr failure_;  // what a reader threw: the entry it read will never be read

    std::deque<std::unique_ptr<Queued>> queue_;
    std::vector<std::unique_ptr<Queued>> spare_;  // done with, for reuse (their texts' buffers)
    bool taking_ = false;       // queue_.front() is the taker's batch
    bool ended_ = false;        // the sequence has no batch left
    size_t queuedAhead_ = 0;    // entries queued that the taker has not had yet
    size_t ahead_ = 0;

    std::vector<std::unique_ptr<WorkerThread>> threads_;
};
