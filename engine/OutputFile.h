#pragma once
// The output file: created empty at the start of a run, written at its end. Lines are gathered
// into large pieces, so a million lines take a few dozen write calls. After a failed or short
// write the file keeps every whole line that reached it and ends there, never inside a line.
// An output handle opened elsewhere (standard output) is written the same way, but neither cut
// back nor closed: it is not ours.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/FileHandle.h"
#include "framework/Strings.h"

class OutputFile {
public:
    // The write call; tests put a failing one in its place.
    using WriteFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

    explicit OutputFile(WriteFunction write = ::WriteFile) : write_(write) {}
    ~OutputFile() { Close(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates (or empties) the file, at any path length; false when it cannot be created or
    // the path names a device (NUL, AUX, "nul.txt" in a folder...) rather than a disk file.
    bool Create(const std::wstring& path);
    // Writes to an open handle from where it stands; false when there is none.
    bool Attach(HANDLE handle);
    // Adds the line followed by CR LF; false once a write has failed (nothing more is written).
    bool WriteLine(const char* text, size_t length);
    // Adds bytes that are no line of their own (the byte-order mark before the first line).
    bool WriteBytes(const char* data, size_t length);
    // Writes what is gathered and closes the file; false when any write failed.
    bool Close();
    // Closes the file without writing what is gathered, and removes it when it was created
    // here; an open handle given is left as it stands.
    void Discard();
    // Why the file could not be created or written: the system's error code; 0 when nothing
    // failed, or the system gave no reason (a device's name).
    DWORD Error() const { return error_; }

private:
    bool Flush();
    bool WriteAll(const char* data, size_t size);
    void CutBackToLastLine();

    WriteFunction write_;
    HANDLE handle_ = nullptr;
    std::wstring createdPath_;  // the file created here, while it is open
    CString pending_;          // whole lines with their CR LF, not yet written
    uint64_t written_ = 0;     // bytes of the file that hold whole lines
    bool failed_ = false;
    DWORD error_ = 0;
    FileHandle created_;       // created here: cut back after a failure, closed at the end
};
