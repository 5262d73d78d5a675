#include "engine/FolderSequence.h"

#include <utility>

#include "engine/DirectoryStep.h"

namespace {

// The directories that may be read ahead: the taker's and the next ones in walk order. A
// partly read one keeps its search open.
const size_t kDirectoriesAhead = 64;
// Listed entries in one batch, and batches held ahead of the taker.
const size_t kBatchEntries = 256;
const size_t kBatchesAhead = 32;

}  // namespace

// One directory of the sequence. A reader that has set reading owns search and reads
// without the lock; everything else is changed under it.
struct FolderSequence::Slot {
    explicit Slot(Directory d) : directory(std::make_shared<const Directory>(std::move(d))) {}

    std::shared_ptr<const Directory> directory;
    std::unique_ptr<DirectorySearch> search;     // open from the first batch to the last
    bool begun = false;                          // its first batch is made
    bool reading = false;                        // a reader reads its next batch
    bool read = false;                           // read through
    std::deque<std::unique_ptr<EntryBatch>> batches;  // read, not yet taken
    std::vector<Directory> children;             // its subdirectories found so far, in order
};

// What one thread needs to read directories: its rules and its buffers; it fills the batch
// it reads into and gathers the subdirectories found.
struct FolderSequence::Reader final : DirectoryStepTaker {
    Reader(const ListingJob& job, const TextEncoding& encoding, const StopSignal& stop,
           std::atomic<uint64_t>& inexactNames)
        : rules(job, encoding, stop, inexactNames) {}

    bool Listed(const WalkedEntry& listed) override {
        batch->Add(listed);
        return batch->Count() < kBatchEntries;
    }
    void Entered(Directory child) override { children.push_back(std::move(child)); }

    WalkRules rules;
    WalkedEntry entry;
    std::vector<Directory> children;
    EntryBatch* batch = nullptr;  // the batch being read
};

FolderSequence::FolderSequence(const ListingJob& job, const TextEncoding& encoding, unsigned readers,
                               Directory root, const StopSignal& stop, std::atomic<uint64_t>& inexactNames)
    : stop_(stop),
      wakeReaders_(stop, mutex_, work_),
      wakeTaker_(stop, mutex_, ready_) {
    slots_.push_back(std::make_unique<Slot>(std::move(root)));
    takerReader_ = std::make_unique<Reader>(job, encoding, stop, inexactNames);
    for (unsigned i = 0; i < readers; ++i) {
        readers_.push_back(std::make_unique<Reader>(job, encoding, stop, inexactNames));
        threads_.push_back(std::make_unique<WorkerThread>());
        Reader& reader = *readers_.back();
        // Without readers the taker still reads all it needs itself.
        if (!threads_.back()->Start([this, &reader] { Work(reader); },
                                    [this](std::exception_ptr failure) { Fail(std::move(failure)); }))
            break;
    }
}

FolderSequence::~FolderSequence() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    work_.notify_all();
    threads_.clear();
}

void FolderSequence::Fail(std::exception_ptr failure) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!failure_) failure_ = std::move(failure);
        quit_ = true;
    }
    work_.notify_all();
    ready_.notify_all();
}

void FolderSequence::Work(Reader& reader) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_ && !stop_)
        if (!ReadAhead(lock, reader)) work_.wait(lock);
}

// A batch of the first directory within reach that is neither read through nor being read,
// while the bound of batches held allows.
bool FolderSequence::ReadAhead(std::unique_lock<std::mutex>& lock, Reader& reader) {
    for (size_t i = 0; i < slots_.size() && i < kDirectoriesAhead; ++i) {
        Slot& slot = *slots_[i];
        if (slot.read || slot.reading) continue;
        if (batchesHeld_ >= kBatchesAhead) return false;
        ReadBatchOf(slot, lock, reader);
        return true;
    }
    return false;
}

void FolderSequence::ReadBatchOf(Slot& slot, std::unique_lock<std::mutex>& lock, Reader& reader) {
    slot.reading = true;
    std::unique_ptr<EntryBatch> batch;
    if (spare_.empty()) {
        batch = std::make_unique<EntryBatch>();
    } else {
        batch = std::move(spare_.back());
        spare_.pop_back();
    }
    batch->Reset(slot.directory, !slot.begun);
    slot.begun = true;
    ++batchesHeld_;
    lock.unlock();
    const bool end = ReadEntries(slot, *batch, reader);
    lock.lock();
    slot.reading = false;
    for (Directory& child : reader.children) slot.children.push_back(std::move(child));
    reader.children.clear();
    if (batch->Count() == 0 && !batch->first && !batch->searchError) {
        --batchesHeld_;
        spare_.push_back(std::move(batch));
    } else {
        slot.batches.push_back(std::move(batch));
    }
    if (end) {
        slot.read = true;
        AppendChildren();
        work_.notify_all();
    }
    ready_.notify_all();
}

// Reads the directory's entries on into the batch: true at the directory's end, false when
// the batch is full or a stop came.
bool FolderSequence::ReadEntries(Slot& slot, EntryBatch& batch, Reader& reader) {
    reader.batch = &batch;
    DWORD unread = 0;
    const bool end = StepDirectory(*slot.directory, slot.search, reader.rules, reader.entry, reader, stop_, unread);
    if (end) batch.searchError = unread;
    return end;
}

void FolderSequence::AppendChildren() {
    while (appended_ < slots_.size() && slots_[appended_]->read) {
        std::vector<Directory> children = std::move(slots_[appended_]->children);
        for (Directory& child : children) slots_.push_back(std::make_unique<Slot>(std::move(child)));
        ++appended_;
    }
}

FolderSequence::Taken FolderSequence::Take(std::unique_ptr<EntryBatch>& batch, bool wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (failure_) std::rethrow_exception(failure_);
        if (stop_ || slots_.empty()) return Taken::kEnd;
        Slot& slot = *slots_.front();
        if (!slot.batches.empty()) {
            batch = std::move(slot.batches.front());
            slot.batches.pop_front();
            return Taken::kBatch;
        }
        if (slot.read) {  // handed out whole; its children are in the sequence
            slots_.pop_front();
            --appended_;
            work_.notify_all();  // the reach has moved on
            continue;
        }
        if (!wait) return Taken::kNotYet;
        if (slot.reading) ready_.wait(lock);
        else ReadBatchOf(slot, lock, *takerReader_);
    }
}

void FolderSequence::GiveBack(std::unique_ptr<EntryBatch> batch) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        --batchesHeld_;
        spare_.push_back(std::move(batch));
    }
    work_.notify_one();  // room for one more batch
}
