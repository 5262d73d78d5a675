#include "framework/FileHandle.h"

FileHandle::FileHandle(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags)
    : handle_(CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        other.handle_ = INVALID_HANDLE_VALUE;
    }
    return *this;
}

void FileHandle::Close() {
    if (!IsOpen()) return;
    const DWORD error = GetLastError();
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    SetLastError(error);
}
