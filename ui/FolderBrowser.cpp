#include "ui/FolderBrowser.h"

#include "framework/MessageBox.h"

CFolderBrowser::CFolderBrowser(const CString& initialFolder) : initialFolder_(initialFolder) {}

int CFolderBrowser::Browse() {
    // The shell fills the display name and gives the path through buffers of its fixed size.
    char displayName[MAX_PATH] = "";
    browse_.hwndOwner = AppMainWindow();
    browse_.pidlRoot = nullptr;
    browse_.pszDisplayName = displayName;
    browse_.lpszTitle = nullptr;
    browse_.ulFlags = BIF_RETURNONLYFSDIRS;
    browse_.lpfn = SelectionCallback;
    browse_.lParam = reinterpret_cast<LPARAM>(this);
    browse_.iImage = 0;

    LPITEMIDLIST item = SHBrowseForFolderA(&browse_);
    if (!item) {
        resultPath_.clear();
        return IDCANCEL;
    }
    char path[MAX_PATH] = "";
    SHGetPathFromIDListA(item, path);
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
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(browser->initialFolder_.c_str()));
    return 0;
}
