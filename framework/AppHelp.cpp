#include "framework/AppHelp.h"

#include <shellapi.h>

#include <utility>

#include "framework/LongPath.h"
#include "framework/ModuleText.h"

namespace {

DocumentOpener& Opener() {
    static DocumentOpener opener;
    return opener;
}

DWORD OpenWithShell(HWND owner, const std::wstring& path) {
    SHELLEXECUTEINFOW execute = {};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI;  // the caller says what went wrong, naming the file
    execute.hwnd = owner;
    execute.lpVerb = L"open";
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&execute)) return 0;
    const DWORD error = GetLastError();
    return error ? error : ERROR_NO_ASSOCIATION;
}

}  // namespace

std::wstring ReadmePath() { return ProgramFolder() + L"README.txt"; }

DWORD OpenReadme(HWND owner) {
    const std::wstring path = ReadmePath();
    if (!IsFile(path)) return ERROR_FILE_NOT_FOUND;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const DWORD error = Opener() ? Opener()(owner, path) : OpenWithShell(owner, path);
    SetCursor(previous);
    return error;
}

void SetDocumentOpener(DocumentOpener opener) { Opener() = std::move(opener); }
