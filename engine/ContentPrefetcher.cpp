#include "engine/ContentPrefetcher.h"

#include <utility>

#include "engine/FoundContent.h"

namespace {

// Entries whose content is read ahead of the taker.
const size_t kContentAhead = 32;

}  // namespace

ContentPrefetcher::ContentPrefetcher(FolderSequence& sequence, const ContentNeeds& needs, unsigned readers,
                                     const StopSignal& stop)
    : sequence_(sequence),
      needs_(needs),
      stop_(stop),
      wakeReaders_(stop, mutex_, work_),
      wakeTaker_(stop, mutex_, ready_) {
    if (!needs.Any()) return;
    for (unsigned i = 0; i < readers; ++i) {
        threads_.push_back(std::make_unique<WorkerThread>());
        // Without readers the taker still reads every entry's content itself.
        if (!threads_.back()->Start([this] { Work(); },
                                    [this](std::exception_ptr failure) { Fail(std::move(failure)); }))
            break;
    }
}

ContentPrefetcher::~ContentPrefetcher() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    work_.notify_all();
    threads_.clear();
}

void ContentPrefetcher::Fail(std::exception_ptr failure) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!failure_) failure_ = std::move(failure);
        quit_ = true;
    }
    work_.notify_all();
    ready_.notify_all();
}

void ContentPrefetcher::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_ && !stop_) {
        Queued* batch = nullptr;
        if (ahead_ < kContentAhead)
            for (const std::unique_ptr<Queued>& queued : queue_)
                if (queued->next < queued->batch->Count()) {
                    batch = queued.get();
                    break;
                }
        if (!batch) {
            work_.wait(lock);
            continue;
        }
        const size_t index = batch->next++;
        batch->states[index] = kReading;
        ++ahead_;
        lock.unlock();
        Read(*batch, index);
        lock.lock();
        batch->states[index] = kRead;
        ready_.notify_all();
    }
}

// Takes on the batches the sequence has ready, as far as kContentAhead entries past the taker's.
void ContentPrefetcher::TakeOnMore() {
    while (queuedAhead_ < kContentAhead && !ended_) {
        std::unique_ptr<EntryBatch> batch;
        const FolderSequence::Taken taken = sequence_.Take(batch, false);
        if (taken == FolderSequence::Taken::kNotYet) return;
        if (taken == FolderSequence::Taken::kEnd) ended_ = true;
        else Queue(std::move(batch));
    }
}

void ContentPrefetcher::Queue(std::unique_ptr<EntryBatch> batch) {
    const size_t count = batch->Count();
    std::unique_ptr<Queued> queued;
    if (spare_.empty()) {
        queued = std::make_unique<Queued>();
    } else {
        queued = std::move(spare_.back());
        spare_.pop_back();
    }
    queued->batch = std::move(batch);
    queued->next = 0;
    if (needs_.Any()) {
        queued->states.assign(count, kUnread);
        if (queued->contents.size() < count) queued->contents.resize(count);
    }
    queuedAhead_ += count;
    queue_.push_back(std::move(queued));
    if (count > 0) work_.notify_all();
}

void ContentPrefetcher::Read(Queued& queued, size_t index) {
    const EntryBatch& batch = *queued.batch;
    ReadFoundContent(batch.At(index), batch.directory->realPath, needs_, stop_, queued.contents[index]);
}

bool ContentPrefetcher::NextBatch(const EntryBatch*& batch) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (taking_) {  // every entry's content handed out: no reader holds it
        std::unique_ptr<Queued> done = std::move(queue_.front());
        queue_.pop_front();
        sequence_.GiveBack(std::move(done->batch));
        spare_.push_back(std::move(done));
        taking_ = false;
    }
    if (needs_.Any()) TakeOnMore();
    while (queue_.empty()) {
        if (ended_ || stop_) return false;
        std::unique_ptr<EntryBatch> next;
        lock.unlock();
        const FolderSequence::Taken taken = sequence_.Take(next, true);
        lock.lock();
        if (taken == FolderSequence::Taken::kEnd) ended_ = true;
        else Queue(std::move(next));
    }
    taking_ = true;
    batch = queue_.front()->batch.get();
    return true;
}

bool ContentPrefetcher::Content(size_t index, const EntryContent*& content) {
    std::unique_lock<std::mutex> lock(mutex_);
    Queued& batch = *queue_.front();
    --queuedAhead_;
    TakeOnMore();
    if (batch.states[index] == kUnread) {  // every entry before it is taken on
        batch.next = index + 1;
        batch.states[index] = kReading;
        lock.unlock();
        Read(batch, index);
        lock.lock();
        batch.states[index] = kRead;
    } else {
        ready_.wait(lock, [&] { return batch.states[index] == kRead || stop_ || failure_; });
        if (failure_) std::rethrow_exception(failure_);
        if (batch.states[index] != kRead) return false;
        --ahead_;
        work_.notify_one();  // room for one more entry's content
    }
    content = &batch.contents[index];
    return true;
}
