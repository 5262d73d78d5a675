#include "cli/ConsoleText.h"

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

void WriteConsoleText(HANDLE handle, const std::wstring& text) {
    if (IsConsole(handle)) {
        // Characters, so the console shows them whatever its code page.
        DWORD written = 0;
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    // Redirected: the bytes a console program's reader expects, in the console's code page
    // (none without a console: the ANSI code page then).
    const UINT codePage = GetConsoleOutputCP();
    WriteBytes(handle, CodePageFromWide(text, codePage != 0 ? codePage : GetACP()));
}

void WriteErrorLine(const std::wstring& text) { WriteConsoleText(GetStdHandle(STD_ERROR_HANDLE), text + L"\r\n"); }
