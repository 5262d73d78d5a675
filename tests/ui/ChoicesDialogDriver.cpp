#include "ChoicesDialogDriver.h"

#include <string>

namespace {

ChoicesDialogDriver* g_driver = nullptr;
// Marks a dialog already answered (a new dialog may reuse a closed one's handle).
const char kHandled[] = "qm.answered";

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM param) {
    char className[64], caption[256];
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(className) == "#32770" && std::string(caption) == "ドロップされたファイルの処理" &&
        IsWindowVisible(window) && !GetPropA(window, kHandled)) {
        reinterpret_cast<Search*>(param)->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ChoicesDialogDriver::ChoicesDialogDriver(Action action) : action_(std::move(action)) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
}

ChoicesDialogDriver::~ChoicesDialogDriver() {
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
}

void CALLBACK ChoicesDialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver) g_driver->Poll();
}

void ChoicesDialogDriver::Poll() {
    Search search;
    EnumThreadWindows(GetCurrentThreadId(), CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    SetPropA(search.found, kHandled, reinterpret_cast<HANDLE>(1));
    ++openings_;
    action_(search.found);
}

void ClickIn(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

bool IsCheckedIn(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
