#include "engine/OutputFile.h"

#include <algorithm>
#include <utility>

#include "framework/LongPath.h"

namespace {

// Lines are written out once this much has gathered.
const size_t kPieceBytes = 1 << 20;
// The largest single write call.
const DWORD kMaxWrite = 0x40000000u;

}  // namespace

bool OutputFile::Create(const std::wstring& path) {
    Close();
    FileHandle file(CreationPath(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL);
    const DWORD error = file.IsOpen() ? 0 : GetLastError();
    // A device name opens the device, and the lines would go nowhere (NUL) or elsewhere.
    if (!Attach(file.IsDiskFile() ? file.Get() : INVALID_HANDLE_VALUE)) {
        error_ = error;
        return false;
    }
    created_ = std::move(file);
    createdPath_ = CreationPath(path);
    return true;
}

bool OutputFile::Attach(HANDLE handle) {
    Close();
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    createdPath_.clear();
    written_ = 0;
    failed_ = false;
    error_ = 0;
    pending_.reserve(kPieceBytes);
    return handle_ != nullptr;
}

bool OutputFile::WriteLine(const char* text, size_t length) {
    if (!WriteBytes(text, length)) return false;
    pending_ += "\r\n";
    return pending_.size() < kPieceBytes || Flush();
}

bool OutputFile::WriteBytes(const char* data, size_t length) {
    if (!handle_ || failed_) return false;
    if (!pending_.empty() && pending_.size() + length + 2 > kPieceBytes && !Flush()) return false;
    pending_.append(data, length);
    return true;
}

bool OutputFile::Flush() {
    if (pending_.empty()) return true;
    const bool ok = WriteAll(pending_.data(), pending_.size());
    if (ok) written_ += pending_.size();
    else if (created_.IsOpen()) CutBackToLastLine();
    failed_ = !ok;
    pending_.clear();
    if (pending_.capacity() > 2 * kPieceBytes) CString().swap(pending_);  // after one huge line
    return ok;
}

bool OutputFile::WriteAll(const char* data, size_t size) {
    while (size > 0) {
        const DWORD want = size > kMaxWrite ? kMaxWrite : static_cast<DWORD>(size);
        DWORD done = 0;
        // A short write (a full disk) is a failure too, not only an error return.
        if (!write_(handle_, data, want, &done, nullptr)) {
            error_ = GetLastError();
            return false;
        }
        if (done != want) {
            error_ = ERROR_DISK_FULL;  // what a short write to a disk file means
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

void OutputFile::CutBackToLastLine() {
    // The file position tells how much of the piece reached the file, whatever the failed call
    // reported; when it cannot be read, the piece counts as not written at all.
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position = {};
    uint64_t reached = written_;
    if (SetFilePointerEx(handle_, zero, &position, FILE_CURRENT) && position.QuadPart > 0)
        reached = std::min(static_cast<uint64_t>(position.QuadPart), written_ + pending_.size());
    // The last CR LF within; no trail byte of a double-byte character is below 0x40, so the
    // bytes are searched as they are.
    const size_t inFile = static_cast<size_t>(std::max(reached, written_) - written_);
    if (inFile >= 2) {
        const size_t lineEnd = pending_.rfind("\r\n", inFile - 2);
        if (lineEnd != CString::npos) written_ += lineEnd + 2;
    }
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(written_);
    if (SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN)) SetEndOfFile(handle_);
}

bool OutputFile::Close() {
    if (!handle_) return !failed_;
    const bool ok = !failed_ && Flush();
    created_.Close();
    handle_ = nullptr;
    pending_.clear();
    return ok;
}

void OutputFile::Discard() {
    pending_.clear();
    const bool created = handle_ && created_.IsOpen();
    const std::wstring path = createdPath_;
    Close();
    if (created) DeleteFileW(path.c_str());
}
