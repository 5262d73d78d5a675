#include "ui/FolderBrowser.h"

#include "framework/MessageBox.h"

CFolderBrowser::CFolderBrowser(const std::wstring& initialFolder) : initialFolder_(initialFolder) {}

int CFolderBrowser::Browse() {
    // The shell fills the display name and gives the path through buffers of its fixed size.
    wchar_t displayName[MAX_PATH] = L"";
    browse_.hwndOwner = AppMainWindow();
    browse_.pidlRoot = nullptr;
    browse_.pszDisplayName = displayName;
    browse_.lpszTitle = nullptr;
    browse_.ulFlags = BIF_RETURNONLYFSDIRS;
    browse_.lpfn = SelectionCallback;
    browse_.lParam = reinterpret_cast<LPARAM>(this);
    browse_.iImage = 0;

    LPITEMIDLIST item = SHBrowseForFolderW(&browse_);
    if (!item) {
        resultPath_.clear();
        return IDCANCEL;
    }
    wchar_t path[MAX_PATH] = L"";
    SHGetPathFromIDListW(item, path);
    resultPath_ = path;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
        allocator->Free(item);
        allocator->Release();
    }
    return IDOK;
}

int CALLBACK CFolderBrowser::SelectionCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    auto* browser = reinterpret_cast<CFolderBrowser*>(data);
    if (message == BFFM_INITIALIZED && !browser->initialFolder_.empty())
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(browser->initialFolder_.c_str()));
    return 0;
}
