#include "cli/ConsoleText.h"

#include <string>

#include "cli/WideText.h"

namespace {

void WriteBytes(HANDLE handle, const CString& bytes) {
    DWORD written = 0;
    // Nobody is left to tell when a message cannot be written: the exit code still says it.
    if (!bytes.empty()) WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

void WriteConsoleText(HANDLE handle, const CString& text) {
    if (IsConsole(handle)) {
        // Characters, so the console shows them whatever its code page.
        const std::wstring wide = WideFromAnsi(text);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected: the bytes a console program's reader expects, in the console's code page
    // (none without a console: the ANSI code page then).
    const UINT codePage = GetConsoleOutputCP();
    if (codePage == 0 || codePage == GetACP()) WriteBytes(handle, text);
    else WriteBytes(handle, CodePageFromWide(WideFromAnsi(text), codePage));
}

void WriteErrorLine(const CString& text) { WriteConsoleText(GetStdHandle(STD_ERROR_HANDLE), text + "\r\n"); }
