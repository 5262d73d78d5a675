#pragma once
// The shell's browse-for-folder dialog, opening with a given folder selected.
#include <windows.h>
#include <shlobj.h>

#include <string>

class CFolderBrowser {
public:
    // initialFolder: preselected when the dialog opens (empty: none); kept whole.
    explicit CFolderBrowser(const std::wstring& initialFolder);
    CFolderBrowser(const CFolderBrowser&) = delete;
    CFolderBrowser& operator=(const CFolderBrowser&) = delete;

    // IDOK when a folder was chosen, IDCANCEL when the dialog was cancelled.
    int Browse();
    // The chosen folder after IDOK; empty after a cancel.
    const std::wstring& ResultPath() const { return resultPath_; }

private:
    static int CALLBACK SelectionCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);

    std::wstring initialFolder_;
    std::wstring resultPath_;
    BROWSEINFOW browse_ = {};
};
