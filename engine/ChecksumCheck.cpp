#include "engine/ChecksumCheck.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "content/FileChecksum.h"
#include "framework/LongPath.h"
#include "framework/WorkerThread.h"

namespace {

// Files read ahead of the one reported, as a listing reads content ahead of its lines.
const size_t kCheckAhead = 32;

// A checksum file is text of a line per file: anything larger is no checksum file.
const uint64_t kLargestSumsFile = 512ull << 20;

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    HANDLE file = CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) &&
              static_cast<uint64_t>(size.QuadPart) <= kLargestSumsFile;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = bytes.empty() || (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) &&
                               got == bytes.size());
    }
    CloseHandle(file);
    return ok;
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
    bool taken = false;
    bool done = false;
    bool stopped = false;  // a stop cut the read short: no result
    CheckOutcome outcome = CheckOutcome::Ok;
    DWORD error = 0;
};

ChecksumCheck::ChecksumCheck(const std::wstring& sumsPath, const StopSignal& stop, unsigned readers)
    : sumsPath_(sumsPath), stop_(stop), readers_(readers) {}

CheckResult ChecksumCheck::Load() {
    const std::wstring full = FullPath(sumsPath_);
    std::string bytes;
    if (full.empty() || !ReadWholeFile(full, bytes)) return CheckResult::SumsUnreadable;
    folder_ = full.substr(0, full.find_last_of(L'\\') + 1);
    lines_ = ParseChecksumLines(bytes, full);
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
    if (DigestFile(FullPathOf(entry.path), digests, &stop_.Flag(), &error)) {
        result.outcome = LowerText(digests, entry.kind) == entry.expected ? CheckOutcome::Ok : CheckOutcome::Failed;
    } else if (stop_) {
        result.stopped = true;
    } else {
        result.outcome = IsMissing(error) ? CheckOutcome::Missing : CheckOutcome::Unreadable;
        result.error = result.outcome == CheckOutcome::Unreadable ? error : 0;
    }
}

CheckResult ChecksumCheck::Run(const Report& report) {
    const size_t count = lines_.entries.size();
    std::vector<Pending> results(count);
    std::mutex mutex;
    std::condition_variable changed;
    size_t next = 0;      // the first entry nobody has taken on
    size_t reported = 0;  // entries handed to report
    bool quit = false;
    const StopWake wake(stop_, mutex, changed);
    // Each reader takes the next entry while it is within reach of the one reported.
    auto work = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return quit || stop_ || next >= count || next < reported + kCheckAhead; });
            if (quit || stop_ || next >= count) return;
            const size_t index = next++;
            results[index].taken = true;
            lock.unlock();
            Pending result;
            ReadEntry(index, result);
            lock.lock();
            result.taken = result.done = true;
            results[index] = result;
            changed.notify_all();
        }
    };
    std::vector<std::unique_ptr<WorkerThread>> threads;
    for (unsigned i = 0; i < readers_; ++i) {
        threads.push_back(std::make_unique<WorkerThread>());
        if (!threads.back()->Start(work)) break;
    }
    CheckResult result = CheckResult::Complete;
    for (size_t i = 0; i < count && result == CheckResult::Complete; ++i) {
        std::unique_lock<std::mutex> lock(mutex);
        if (!results[i].taken && next == i) {
            // Nobody has it yet: this thread reads it itself.
            results[i].taken = true;
            ++next;
            lock.unlock();
            Pending own;
            ReadEntry(i, own);
            lock.lock();
            own.done = true;
            results[i] = own;
        }
        changed.wait(lock, [&] { return results[i].done || stop_; });
        if (!results[i].done || results[i].stopped) {
            result = CheckResult::Stopped;
            break;
        }
        const Pending done = results[i];
        lock.unlock();
        std::atomic<size_t>& counter = done.outcome == CheckOutcome::Ok       ? ok_
                                       : done.outcome == CheckOutcome::Failed ? failed_
                                       : done.outcome == CheckOutcome::Missing ? missing_
                                                                               : unreadable_;
        ++counter;
        if (!report(lines_.entries[i], done.outcome, done.error)) result = CheckResult::WriteFailed;
        lock.lock();
        reported = i + 1;
        checked_ = reported;
        changed.notify_all();
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        quit = true;
    }
    changed.notify_all();
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
