#pragma once
// An open file or folder handle, closed when its owner goes. Every file the program opens by
// handle is opened here, so no path through a function can leave one open.
#include <windows.h>

#include <string>

class FileHandle {
public:
    FileHandle() = default;
    // CreateFileW with no security attributes and no template; IsOpen() tells whether it
    // opened, and GetLastError() why not.
    FileHandle(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Whether it is open on a disk file (or folder), not a device, a pipe or a console.
    bool IsDiskFile() const { return IsOpen() && GetFileType(handle_) == FILE_TYPE_DISK; }
    // Closes it now; the last error stays what it was, so a failure can still be told after.
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};
