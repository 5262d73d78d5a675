#include "engine/OutputFile.h"

bool OutputFile::Create(const CString& path) {
    Close();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = file == INVALID_HANDLE_VALUE ? nullptr : file;
    return handle_ != nullptr;
}

bool OutputFile::WriteLine(const CString& line) {
    if (!handle_) return false;
    buffer_.assign(line);
    buffer_ += "\r\n";
    // A short write (a full disk) is a failure too, not only an error return.
    const char* data = buffer_.data();
    size_t remaining = buffer_.size();
    while (remaining > 0) {
        const DWORD want = remaining > 0x40000000u ? 0x40000000u : static_cast<DWORD>(remaining);
        DWORD written = 0;
        if (!WriteFile(handle_, data, want, &written, nullptr) || written != want) return false;
        data += written;
        remaining -= written;
    }
    return true;
}

void OutputFile::Close() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
}
