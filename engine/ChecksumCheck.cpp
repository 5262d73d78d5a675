#include "engine/ChecksumCheck.h"

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "content/FileChecksum.h"
#include "framework/FileHandle.h"
#include "framework/LongPath.h"
#include "framework/WorkerThread.h"

namespace {

// Files read ahead of the one reported, as a listing reads content ahead of its lines.
const size_t kCheckAhead = 32;

// A checksum file is text of a line per file: anything larger is no checksum file.
const uint64_t kLargestSumsFile = 512ull << 20;

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    const FileHandle file(ExtendedPath(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN);
    LARGE_INTEGER size;
    if (!file.IsDiskFile() || !GetFileSizeEx(file.Get(), &size) ||
        static_cast<uint64_t>(size.QuadPart) > kLargestSumsFile)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    return bytes.empty() ||
           (ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
}

bool IsAbsolute(const std::wstring& path) {
    return (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.compare(0, 2, L"\\\\") == 0;
}

ContentNeeds NeedsOf(DigestKind kind) {
    ContentNeeds needs;
    needs.checksum = kind == DigestKind::Crc32;
    needs.sha256 = kind == DigestKind::Sha256;
    needs.sha1 = kind == DigestKind::Sha1;
    needs.md5 = kind == DigestKind::Md5;
    return needs;
}

std::string LowerText(const ContentDigests& digests, DigestKind kind) {
    std::string text;
    switch (kind) {
    case DigestKind::Crc32:
        text = digests.CrcText();
        break;
    case DigestKind::Sha256:
        text = digests.Sha256Text();
        break;
    case DigestKind::Sha1:
        text = digests.Sha1Text();
        break;
    case DigestKind::Md5:
        text = digests.Md5Text();
        break;
    }
    for (char& c : text)
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH ||
           error == ERROR_BAD_NET_NAME;
}

}  // namespace

struct ChecksumCheck::Pending {
    bool done = false;
    bool stopped = false;  // a stop cut the read short: no result
    CheckOutcome outcome = CheckOutcome::Ok;
    DWORD error = 0;
};

// The entries read by reader threads in any order, and handed on in order. Under the lock:
// entries before next_ are taken on (read or being read), none after; readers take one on
// only while it is within kCheckAhead of the entries reported.
class ChecksumCheck::Reads {
public:
    Reads(const ChecksumCheck& check, size_t count)
        : check_(check), results_(count), wake_(check.stop_, mutex_, changed_) {}

    void Work() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return quit_ || Ended() || next_ < reported_ + kCheckAhead; });
            if (quit_ || Ended()) return;
            ReadNext(lock);
        }
    }

    // Entry index's result once it is read (by this thread when nobody has taken it on);
    // false when a stop came first.
    bool Await(size_t index, Pending& result) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (next_ == index) ReadNext(lock);
        changed_.wait(lock, [&] { return results_[index].done || check_.stop_ || failure_; });
        if (failure_ && !results_[index].done) std::rethrow_exception(failure_);
        result = results_[index];
        return result.done && !result.stopped;
    }

    void Reported(size_t count) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            reported_ = count;
        }
        changed_.notify_all();
    }

    void Quit() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
    }

    // What a reader thread threw: the entry it read never comes, and Await throws it again.
    void Fail(std::exception_ptr failure) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!failure_) failure_ = std::move(failure);
            quit_ = true;
        }
        changed_.notify_all();
    }

private:
    bool Ended() const { return check_.stop_ || next_ >= results_.size(); }

    void ReadNext(std::unique_lock<std::mutex>& lock) {
        const size_t index = next_++;
        lock.unlock();
        Pending result;
        check_.ReadEntry(index, result);
        result.done = true;
        lock.lock();
        results_[index] = result;
        changed_.notify_all();
    }

    const ChecksumCheck& check_;
    std::vector<Pending> results_;
    std::mutex mutex_;
    std::condition_variable changed_;
    const StopWake wake_;
    size_t next_ = 0;
    size_t reported_ = 0;
    bool quit_ = false;
    std::exception_ptr failure_;
};

ChecksumCheck::ChecksumCheck(const std::wstring& sumsPath, const StopSignal& stop, unsigned readers)
    : sumsPath_(sumsPath), stop_(stop), readers_(readers) {}

CheckResult ChecksumCheck::Load() {
    const std::wstring full = FullPath(sumsPath_);
    std::string bytes;
    try {
        if (full.empty() || !ReadWholeFile(full, bytes)) return CheckResult::SumsUnreadable;
        folder_ = full.substr(0, full.find_last_of(L'\\') + 1);
        lines_ = ParseChecksumLines(bytes, full);
    } catch (const std::bad_alloc&) {
        // A checksum file too large for the memory left is one that cannot be read.
        lines_ = ChecksumLines();
        return CheckResult::SumsUnreadable;
    }
    return lines_.entries.empty() ? CheckResult::NoChecksumLine : CheckResult::Complete;
}

std::wstring ChecksumCheck::FullPathOf(const std::wstring& name) const {
    if (IsAbsolute(name)) return name;
    // "\dir\file": from the root of the checksum file's drive.
    if (name[0] == L'\\') return folder_.substr(0, 2) + name;
    return folder_ + name;
}

void ChecksumCheck::ReadEntry(size_t index, Pending& result) const {
    const ChecksumEntry& entry = lines_.entries[index];
    ContentDigests digests(NeedsOf(entry.kind));
    DWORD error = 0;
    if (DigestFile(FullPathOf(entry.path), digests, stop_, &error)) {
        result.outcome = LowerText(digests, entry.kind) == entry.expected ? CheckOutcome::Ok : CheckOutcome::Failed;
    } else if (stop_) {
        result.stopped = true;
    } else {
        result.outcome = IsMissing(error) ? CheckOutcome::Missing : CheckOutcome::Unreadable;
        result.error = result.outcome == CheckOutcome::Unreadable ? error : 0;
    }
}

std::atomic<size_t>& ChecksumCheck::CounterOf(CheckOutcome outcome) {
    switch (outcome) {
    case CheckOutcome::Ok:
        return ok_;
    case CheckOutcome::Failed:
        return failed_;
    case CheckOutcome::Missing:
        return missing_;
    case CheckOutcome::Unreadable:
        break;
    }
    return unreadable_;
}

CheckResult ChecksumCheck::Run(const Report& report) {
    const size_t count = lines_.entries.size();
    Reads reads(*this, count);
    std::vector<std::unique_ptr<WorkerThread>> threads;
    for (unsigned i = 0; i < readers_; ++i) {
        threads.push_back(std::make_unique<WorkerThread>());
        if (!threads.back()->Start([&reads] { reads.Work(); },
                                   [&reads](std::exception_ptr failure) { reads.Fail(std::move(failure)); }))
            break;
    }
    CheckResult result = CheckResult::Complete;
    try {
        for (size_t i = 0; i < count && result == CheckResult::Complete; ++i) {
            Pending done;
            if (!reads.Await(i, done)) {
                result = CheckResult::Stopped;
                break;
            }
            ++CounterOf(done.outcome);
            if (!report(lines_.entries[i], done.outcome, done.error)) result = CheckResult::WriteFailed;
            checked_ = i + 1;
            reads.Reported(i + 1);
        }
    } catch (...) {
        // Memory running out (here or on a reader thread) ends the check as a failed write:
        // the report stops where it stands, and no line claims what was not checked.
        result = CheckResult::WriteFailed;
    }
    reads.Quit();
    threads.clear();
    return result;
}

CheckCounts ChecksumCheck::Counts() const {
    CheckCounts counts;
    counts.ok = ok_;
    counts.failed = failed_;
    counts.missing = missing_;
    counts.unreadable = unreadable_;
    counts.malformed = lines_.malformed.size();
    return counts;
}
