#pragma once
// The output file: created empty at the start of a run, written line by line at its end.
#include <windows.h>

#include "framework/Strings.h"

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile() { Close(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates (or empties) the file; false when it cannot be created.
    bool Create(const CString& path);
    // Writes the line followed by CR LF; false unless every byte was written.
    bool WriteLine(const CString& line);
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
    CString buffer_;  // line + CR LF, so each line goes out in one write
};
