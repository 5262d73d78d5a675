#include "engine/OutputFile.h"

#include "framework/LongPath.h"

namespace {

// Lines are written out once this much has gathered.
const size_t kPieceBytes = 1 << 20;
// The largest single write call.
const DWORD kMaxWrite = 0x40000000u;

}  // namespace

bool OutputFile::Create(const std::wstring& path) {
    Close();
    HANDLE file = CreateFileW(CreationPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!Attach(file)) return false;
    owned_ = true;
    return true;
}

bool OutputFile::Attach(HANDLE handle) {
    Close();
    handle_ = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    owned_ = false;
    written_ = 0;
    failed_ = false;
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
    else if (owned_) CutBackToWritten();
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
        if (!write_(handle_, data, want, &done, nullptr) || done != want) return false;
        data += done;
        size -= done;
    }
    return true;
}

void OutputFile::CutBackToWritten() {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(written_);
    if (SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN)) SetEndOfFile(handle_);
}

bool OutputFile::Close() {
    if (!handle_) return !failed_;
    const bool ok = !failed_ && Flush();
    if (owned_) CloseHandle(handle_);
    handle_ = nullptr;
    pending_.clear();
    return ok;
}
