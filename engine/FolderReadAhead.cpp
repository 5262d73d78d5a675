#include "engine/FolderReadAhead.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <utility>

#include "engine/DirectorySearch.h"

namespace {

// The directories that may be read ahead: the taker's and the next ones in walk order. A
// partly read one keeps its search open.
const size_t kDirectoriesAhead = 64;
// Listed entries in one batch, and batches held ahead of the taker (read or being read).
const size_t kBatchEntries = 256;
const size_t kBatchesAhead = 32;
// Entries whose content is read ahead of the taker.
const size_t kContentAhead = 32;
// Opening and reading a file waits on the file system far longer than it computes: a run
// that reads content starts this many readers for each one asked for (20,000 files listed
// with checksums under Wine on two processors: on one thread 12.7 s; 2 readers 8.8 s, 4
// 6.6 s, 8 5.4 s).
const unsigned kContentReadersPerReader = 4;
// A stop request comes without a notice: a waiting thread looks at it this often.
const std::chrono::milliseconds kStopPoll(10);

}  // namespace

// Listed entries of one directory as read: each find record without its names, the names
// gathered in two texts, and the content texts when the lines need them.
struct FolderReadAhead::Batch {
    struct Item {
        DWORD attributes;
        FILETIME creation, lastAccess, lastWrite;
        DWORD sizeHigh, sizeLow;
        DWORD reserved0;            // the reparse tag of a link
        size_t wideAt, wideLength;  // the real name, in names
        size_t textAt, textLength;  // the name in the output's encoding, in texts
    };
    enum ContentState : unsigned char { kUnread, kReading, kRead };

    void Clear() {
        items.clear();
        names.clear();
        texts.clear();
        contentStates.clear();
        contentNext = 0;
    }

    void Add(const WIN32_FIND_DATAW& entry, const CString& name, bool withContent) {
        Item item;
        item.attributes = entry.dwFileAttributes;
        item.creation = entry.ftCreationTime;
        item.lastAccess = entry.ftLastAccessTime;
        item.lastWrite = entry.ftLastWriteTime;
        item.sizeHigh = entry.nFileSizeHigh;
        item.sizeLow = entry.nFileSizeLow;
        item.reserved0 = entry.dwReserved0;
        item.wideAt = names.size();
        item.wideLength = std::wcslen(entry.cFileName);
        names.append(entry.cFileName, item.wideLength + 1);  // with its zero
        item.textAt = texts.size();
        item.textLength = name.size();
        texts += name;
        items.push_back(item);
        if (!withContent) return;
        contentStates.push_back(kUnread);
        // Grown only while the batch is being filled: once it is shared, readers hold
        // references into it.
        if (contents.size() < items.size()) contents.emplace_back();
    }

    // The entry's content texts, from the file at path; what the find record told is not asked again.
    void ReadContent(size_t index, const std::wstring& path, const ContentNeeds& needs,
                     const std::atomic<bool>& stopRequest) {
        const Item& item = items[index];
        const uint64_t size = static_cast<uint64_t>(item.sizeHigh) << 32 | item.sizeLow;
        ReadEntryContent(path, item.attributes, size, needs, &stopRequest, contents[index]);
    }

    // The entry's find record (the fields a find with the basic level fills) and name.
    void Get(size_t index, WIN32_FIND_DATAW& entry, CString& name) const {
        const Item& item = items[index];
        entry.dwFileAttributes = item.attributes;
        entry.ftCreationTime = item.creation;
        entry.ftLastAccessTime = item.lastAccess;
        entry.ftLastWriteTime = item.lastWrite;
        entry.nFileSizeHigh = item.sizeHigh;
        entry.nFileSizeLow = item.sizeLow;
        entry.dwReserved0 = item.reserved0;
        entry.dwReserved1 = 0;
        std::memcpy(entry.cFileName, RealName(index), (item.wideLength + 1) * sizeof(wchar_t));
        entry.cAlternateFileName[0] = L'\0';
        name.assign(texts, item.textAt, item.textLength);
    }

    const wchar_t* RealName(size_t index) const { return names.c_str() + items[index].wideAt; }

    std::vector<Item> items;
    std::wstring names;  // the real names, each followed by a zero
    std::string texts;
    std::vector<EntryContent> contents;  // one for each item when content is needed
    std::vector<ContentState> contentStates;
    size_t contentNext = 0;  // the first item whose content nobody has taken on
};

// One directory of the walk's sequence. A reader that has set reading owns search and
// reads without the lock; everything else is changed under it. Held by address, which stays
// while the sequence grows and shrinks.
struct FolderReadAhead::Slot {
    explicit Slot(Directory d) : directory(std::move(d)) {}

    Directory directory;
    std::unique_ptr<DirectorySearch> search;  // open from the first batch to the last
    bool reading = false;                     // a reader reads its next batch
    bool read = false;                        // read through
    std::deque<std::unique_ptr<Batch>> batches;  // read, not yet taken
    std::vector<Directory> children;          // its subdirectories found so far, in order
};

// What one thread needs to read directories: its rules and its buffers.
struct FolderReadAhead::Reader {
    Reader(const ListingJob& job, const TextEncoding& encoding) : rules(job, encoding) {}

    WalkRules rules;
    WIN32_FIND_DATAW entry;
    CString name;
    std::vector<Directory> children;
};

FolderReadAhead::FolderReadAhead(const ListingJob& job, const TextEncoding& encoding, const ContentNeeds& needs,
                                 Directory root, const std::atomic<bool>& stopRequest)
    : encoding_(encoding), needs_(needs), stopRequest_(stopRequest) {
    slots_.push_back(std::make_unique<Slot>(std::move(root)));
    takerReader_ = std::make_unique<Reader>(job, encoding);
    const unsigned readers = job.readerThreads * (needs.Any() ? kContentReadersPerReader : 1);
    for (unsigned i = 0; i < readers; ++i) {
        readers_.push_back(std::make_unique<Reader>(job, encoding));
        threads_.push_back(std::make_unique<WorkerThread>());
        Reader& reader = *readers_.back();
        // Without readers the taker still reads all it needs itself.
        if (!threads_.back()->Start([this, &reader] { Work(reader); })) break;
    }
}

FolderReadAhead::~FolderReadAhead() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    work_.notify_all();
    threads_.clear();
}

void FolderReadAhead::Work(Reader& reader) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_ && !stopRequest_) {
        if (ReadContentAhead(lock) || ReadDirectoryAhead(lock, reader)) continue;
        work_.wait_for(lock, kStopPoll);
    }
}

// The content of the first entry in walk order that nobody reads yet, while the window allows.
bool FolderReadAhead::ReadContentAhead(std::unique_lock<std::mutex>& lock) {
    if (!needs_.Any() || contentAhead_ >= kContentAhead || slots_.empty()) return false;
    Batch* batch = nullptr;
    const Slot* slot = slots_.front().get();  // current_ is a batch of the taker's directory
    if (current_ && current_->contentNext < current_->items.size()) batch = current_.get();
    for (size_t i = 0; !batch && i < slots_.size() && i < kDirectoriesAhead; ++i) {
        for (const std::unique_ptr<Batch>& read : slots_[i]->batches) {
            if (read->contentNext == read->items.size()) continue;
            batch = read.get();
            slot = slots_[i].get();
            break;
        }
    }
    if (!batch) return false;
    // The batch lives on until the taker has this entry, which waits for its content.
    const size_t index = batch->contentNext++;
    batch->contentStates[index] = Batch::kReading;
    ++contentAhead_;
    const std::wstring path = slot->directory.realPath + batch->RealName(index);
    lock.unlock();
    batch->ReadContent(index, path, needs_, stopRequest_);
    lock.lock();
    batch->contentStates[index] = Batch::kRead;
    ready_.notify_all();
    return true;
}

// A batch of the first directory within the window that is neither read through nor being
// read, while the bound of batches held allows; the taker's own directory always, when the
// taker has nothing of it left.
bool FolderReadAhead::ReadDirectoryAhead(std::unique_lock<std::mutex>& lock, Reader& reader) {
    for (size_t i = 0; i < slots_.size() && i < kDirectoriesAhead; ++i) {
        Slot& slot = *slots_[i];
        if (slot.read || slot.reading) continue;
        const bool takerWaits = i == 0 && slot.batches.empty() && !current_;
        if (batchesHeld_ >= kBatchesAhead && !takerWaits) return false;
        ReadBatchOf(slot, lock, reader);
        return true;
    }
    return false;
}

void FolderReadAhead::ReadBatchOf(Slot& slot, std::unique_lock<std::mutex>& lock, Reader& reader) {
    slot.reading = true;
    std::unique_ptr<Batch> batch = NewBatch();
    ++batchesHeld_;
    lock.unlock();
    const bool end = ReadEntries(slot, *batch, reader);
    lock.lock();
    slot.reading = false;
    for (Directory& child : reader.children) slot.children.push_back(std::move(child));
    reader.children.clear();
    if (batch->items.empty()) {
        --batchesHeld_;
        Recycle(std::move(batch));
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
bool FolderReadAhead::ReadEntries(Slot& slot, Batch& batch, Reader& reader) {
    if (!slot.search) slot.search = std::make_unique<DirectorySearch>(slot.directory.realPath + L"*");
    WIN32_FIND_DATAW& entry = reader.entry;
    while (batch.items.size() < kBatchEntries) {
        if (!slot.search->Next(entry)) {
            slot.search.reset();
            return true;
        }
        if (stopRequest_) return false;
        if (WalkRules::IsSkipped(entry)) continue;
        encoding_.FromWide(entry.cFileName, std::wcslen(entry.cFileName), reader.name);
        if (reader.rules.IsListed(entry, reader.name)) batch.Add(entry, reader.name, needs_.Any());
        Directory child;
        if (reader.rules.Enters(slot.directory, entry, reader.name, child)) reader.children.push_back(std::move(child));
    }
    return false;
}

// A directory's subdirectories join the sequence once it and every directory before it are
// read through: the sequence is then the walk's, whatever order the directories were read in.
void FolderReadAhead::AppendChildren() {
    while (appended_ < slots_.size() && slots_[appended_]->read) {
        std::vector<Directory> children = std::move(slots_[appended_]->children);
        for (Directory& child : children) slots_.push_back(std::make_unique<Slot>(std::move(child)));
        ++appended_;
    }
}

bool FolderReadAhead::NextDirectory(const Directory*& directory) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (stopRequest_) return false;
    if (started_) {  // every entry of the taker's directory handed out: read through, children appended
        slots_.pop_front();
        --appended_;
        work_.notify_all();  // the window has moved on
    }
    started_ = true;
    if (slots_.empty()) return false;
    directory = &slots_.front()->directory;
    return true;
}

bool FolderReadAhead::NextEntry(WIN32_FIND_DATAW& entry, CString& name, const EntryContent*& content) {
    content = nullptr;
    if (stopRequest_) return false;
    std::unique_lock<std::mutex> lock(mutex_, std::defer_lock);
    if (!current_ || currentIndex_ == current_->items.size()) {
        lock.lock();
        if (!TakeBatch(lock)) return false;
    }
    // The taker alone changes current_; its entries stay as they were read.
    const size_t index = currentIndex_++;
    current_->Get(index, entry, name);
    if (!needs_.Any()) return true;
    if (!lock.owns_lock()) lock.lock();
    return TakeContent(lock, index, content);
}

// The taker's next batch of its directory, read here when nobody reads it; false at the
// directory's end or when a stop came.
bool FolderReadAhead::TakeBatch(std::unique_lock<std::mutex>& lock) {
    if (current_) {
        --batchesHeld_;
        Recycle(std::move(current_));
        work_.notify_one();  // room for one more batch
    }
    Slot& slot = *slots_.front();
    for (;;) {
        if (stopRequest_) return false;
        if (!slot.batches.empty()) {
            current_ = std::move(slot.batches.front());
            slot.batches.pop_front();
            currentIndex_ = 0;
            return true;
        }
        if (slot.read) return false;
        if (slot.reading) ready_.wait_for(lock, kStopPoll);
        else ReadBatchOf(slot, lock, *takerReader_);
    }
}

// The content of the current batch's entry: read ahead, being read (waited for), or read
// here; false when a stop came while waiting.
bool FolderReadAhead::TakeContent(std::unique_lock<std::mutex>& lock, size_t index, const EntryContent*& content) {
    Batch& batch = *current_;
    if (batch.contentStates[index] == Batch::kUnread) {  // then every entry before it is taken on
        batch.contentNext = index + 1;
        batch.contentStates[index] = Batch::kReading;
        const std::wstring path = slots_.front()->directory.realPath + batch.RealName(index);
        lock.unlock();
        batch.ReadContent(index, path, needs_, stopRequest_);
        lock.lock();
        batch.contentStates[index] = Batch::kRead;
    } else {
        while (batch.contentStates[index] != Batch::kRead) {
            if (stopRequest_) return false;
            ready_.wait_for(lock, kStopPoll);
        }
        --contentAhead_;
        work_.notify_one();  // room for one more entry's content
    }
    content = &batch.contents[index];
    return true;
}

std::unique_ptr<FolderReadAhead::Batch> FolderReadAhead::NewBatch() {
    if (spare_.empty()) return std::make_unique<Batch>();
    std::unique_ptr<Batch> batch = std::move(spare_.back());
    spare_.pop_back();
    batch->Clear();
    return batch;
}

void FolderReadAhead::Recycle(std::unique_ptr<Batch> batch) { spare_.push_back(std::move(batch)); }
