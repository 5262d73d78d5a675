#include "content/FileChecksum.h"

#include <condition_variable>
#include <mutex>

#include "content/Crc32.h"
#include "content/ReadPause.h"
#include "framework/FileHandle.h"
#include "framework/LongPath.h"
#include "framework/WorkerThread.h"

namespace {

// Large enough that a read call costs little beside its copy, small enough that the block
// is still in the processor's cache when it is checksummed.
const DWORD kBlockSize = 2 << 20;

// Blocks in flight when reading ahead: one being checksummed, the others read or being read.
const unsigned kSlots = 3;

// From this size on, DigestOpenFile reads ahead. Under Wine the second thread takes about a
// millisecond to start and end, and the overlap gains only while the second core is free:
// on two cores a cached 1 GiB file went at 15 GB/s against 13 block after block, but at 12
// when another process kept a core busy. Smaller files would not pay the start back.
const uint64_t kReadAheadFrom = 256ull << 20;

// Memory for the read blocks. Each thread keeps its blocks between files, since a fresh
// block costs a page fault per 4 KiB, more than reading a cached file of that size; they grow
// only as far as the files seen so far need, so a tree of small files keeps a small block.
// A fiber-local slot holds them and its callback releases them when the thread ends:
// thread_local destructors run on freed memory with the MinGW runtime.
const size_t kRegionHeader = 64;  // the region's size; the blocks start on a 64-byte boundary

void WINAPI ReleaseRegion(void* region) {
    if (region) VirtualFree(region, 0, MEM_RELEASE);
}

void* NewRegion(size_t size) {
    void* region = VirtualAlloc(nullptr, kRegionHeader + size, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
    if (region) *static_cast<size_t*>(region) = size;
    return region;
}

class Blocks {
public:
    // At least size bytes; Data() is null when the memory cannot be had.
    explicit Blocks(size_t size) {
        static const DWORD slot = FlsAlloc(ReleaseRegion);
        void* region = slot == FLS_OUT_OF_INDEXES ? nullptr : FlsGetValue(slot);
        if (!region || *static_cast<size_t*>(region) < size) {
            const size_t kept = region ? *static_cast<size_t*>(region) : 0;
            // Doubling keeps the number of reallocations small while files grow.
            const size_t most = static_cast<size_t>(kSlots) * kBlockSize;
            size_t grown = kept * 2 > size ? kept * 2 : size;
            if (grown < 64 * 1024) grown = 64 * 1024;
            if (grown > most && size <= most) grown = most;
            void* fresh = NewRegion(grown);
            if (fresh && slot != FLS_OUT_OF_INDEXES && FlsSetValue(slot, fresh)) {
                ReleaseRegion(region);
            } else {
                own_ = fresh;  // for this file only
            }
            region = fresh;
        }
        data_ = region ? static_cast<unsigned char*>(region) + kRegionHeader : nullptr;
    }
    ~Blocks() { ReleaseRegion(own_); }
    Blocks(const Blocks&) = delete;
    Blocks& operator=(const Blocks&) = delete;

    unsigned char* Data() const { return data_; }

private:
    unsigned char* data_ = nullptr;
    void* own_ = nullptr;
};

uint64_t BlockCount(uint64_t size) { return (size + kBlockSize - 1) / kBlockSize; }

DWORD BlockLength(uint64_t size, uint64_t block) {
    const uint64_t rest = size - block * kBlockSize;
    return rest < kBlockSize ? static_cast<DWORD>(rest) : kBlockSize;
}

// A reading thread fills a ring of kSlots blocks; the calling thread checksums them in order
// and hands each slot back. Both wait on one condition variable.
class ReadAhead {
public:
    ReadAhead(HANDLE file, uint64_t size, unsigned char* slots)
        : file_(file), size_(size), slots_(slots), count_(BlockCount(size)) {}

    // False when the reading thread cannot be started; nothing has been read then.
    bool Start() {
        return thread_.Start([this] { ReadAll(); });
    }

    // Digests the blocks as they come; false when a read came back short or a stop came.
    bool Digest(ContentDigests& digests, const StopSignal& stop) {
        bool complete = true;
        for (uint64_t i = 0; complete && i < count_; ++i) {
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return read_ > i || failed_; });
                complete = read_ > i && !stop.IsRequested();
                failed_ = failed_ || !complete;  // the reading thread stops at its next block
            }
            if (!complete) {
                changed_.notify_one();
                break;
            }
            digests.Update(Slot(i), BlockLength(size_, i));
            {
                std::lock_guard<std::mutex> lock(mutex_);
                summed_ = i + 1;
            }
            changed_.notify_one();
        }
        // The thread stops by itself: after the last block, or at the first short read.
        thread_.Wait();
        if (!complete) SetLastError(readError_);
        return complete;
    }

private:
    void ReadAll() {
        for (uint64_t i = 0; i < count_; ++i) {
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return i - summed_ < kSlots || failed_; });
                if (failed_) return;
            }
            const DWORD want = BlockLength(size_, i);
            DWORD got = 0;
            const bool read = ReadFile(file_, Slot(i), want, &got, nullptr) != FALSE;
            const bool ok = read && got == want;
            const DWORD why = read ? ERROR_HANDLE_EOF : GetLastError();
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (ok) {
                    read_ = i + 1;
                } else {
                    readError_ = why;
                    failed_ = true;
                }
            }
            changed_.notify_one();
            if (!ok) return;
        }
    }

    unsigned char* Slot(uint64_t block) const {
        return slots_ + static_cast<size_t>(block % kSlots) * kBlockSize;
    }

    const HANDLE file_;
    const uint64_t size_;
    unsigned char* const slots_;
    const uint64_t count_;
    WorkerThread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t read_ = 0;    // blocks read in full, in order
    uint64_t summed_ = 0;  // blocks checksummed, whose slots may be read into again
    bool failed_ = false;  // a read came back short, or the checksum was given up
    DWORD readError_ = 0;  // why a read failed
};

}  // namespace

bool DigestOpenFileInTurn(HANDLE file, uint64_t size, ContentDigests& digests, const StopSignal& stop) {
    if (size == 0) return true;
    const Blocks blocks(size < kBlockSize ? static_cast<size_t>(size) : kBlockSize);
    unsigned char* block = blocks.Data();
    if (!block) return false;
    for (uint64_t i = 0, count = BlockCount(size); i < count; ++i) {
        if (stop.IsRequested()) return false;
        const DWORD want = BlockLength(size, i);
        DWORD got = 0;
        // A short read means the content is not what the size promised: no CRC then.
        if (!ReadFile(file, block, want, &got, nullptr)) return false;
        if (got != want) {
            SetLastError(ERROR_HANDLE_EOF);
            return false;
        }
        digests.Update(block, got);
    }
    return true;
}

bool DigestOpenFileReadingAhead(HANDLE file, uint64_t size, ContentDigests& digests,
                                const StopSignal& stop) {
    const Blocks blocks(static_cast<size_t>(kSlots) * kBlockSize);
    if (blocks.Data()) {
        ReadAhead reader(file, size, blocks.Data());
        if (reader.Start()) return reader.Digest(digests, stop);
    }
    return DigestOpenFileInTurn(file, size, digests, stop);
}

bool DigestOpenFile(HANDLE file, uint64_t size, ContentDigests& digests, const StopSignal& stop) {
    return size >= kReadAheadFrom ? DigestOpenFileReadingAhead(file, size, digests, stop)
                                  : DigestOpenFileInTurn(file, size, digests, stop);
}

namespace {

// After size bytes read from the start: whether the file ends there (a read gets nothing more).
bool EndsHere(HANDLE file) {
    unsigned char beyond = 0;
    DWORD got = 0;
    if (!ReadFile(file, &beyond, 1, &got, nullptr)) return false;
    if (got == 0) return true;
    SetLastError(ERROR_MORE_DATA);
    return false;
}

}  // namespace

bool DigestFile(const std::wstring& fullPath, ContentDigests& digests, const StopSignal& stop, DWORD* error) {
    if (error) *error = 0;
    const std::wstring path = ExtendedPath(fullPath);
    if (path.empty()) {
        if (error) *error = ERROR_INVALID_NAME;
        return false;
    }
    // A folder does not open without backup semantics: no need to ask what the path is.
    const FileHandle file(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file.IsOpen()) {
        if (error) *error = GetLastError();
        return false;
    }
    // The size the handle gives, by the cheapest query (not the full information, which costs
    // a volume query of its own under Wine); the content read must end there.
    LARGE_INTEGER size;
    size.QuadPart = 0;
    bool ok = file.IsDiskFile();
    if (!ok) SetLastError(ERROR_INVALID_FUNCTION);
    ok = ok && GetFileSizeEx(file.Get(), &size);
    if (ok) SizeTaken();
    ok = ok && DigestOpenFile(file.Get(), static_cast<uint64_t>(size.QuadPart), digests, stop) &&
         EndsHere(file.Get());
    if (ok) digests.Finish();
    const DWORD why = GetLastError();
    if (!ok && error && !stop.IsRequested()) *error = why ? why : ERROR_READ_FAULT;
    return ok;
}

std::string FileChecksumText(const std::wstring& fullPath, const StopSignal& stop, DWORD* error) {
    ContentNeeds crcOnly;
    crcOnly.checksum = true;
    ContentDigests digests(crcOnly);
    return DigestFile(fullPath, digests, stop, error) ? digests.CrcText() : std::string(kUnreadCrc);
}
