#include "ModalDriver.h"

#include <iterator>
#include <string>

namespace {

ModalDriver* g_driver = nullptr;

struct Search {
    HWND ignore;
    const std::set<HWND>* seen;
    HWND found;
};

BOOL CALLBACK FindNewDialog(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window) &&
        window != search->ignore && !search->seen->count(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ModalDriver::ModalDriver(HWND ignore) : ignore_(ignore) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 50, OnTimer);
}

ModalDriver::~ModalDriver() {
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
}

ModalDriver& ModalDriver::Then(Action action) {
    steps_.push_back(std::move(action));
    return *this;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_driver) g_driver->Poll();
}

void ModalDriver::Poll() {
    if (Finished()) return;
    for (auto it = seen_.begin(); it != seen_.end();)
        it = IsWindowEnabled(*it) ? std::next(it) : seen_.erase(it);
    Search search = {ignore_, &seen_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return;
    seen_.insert(search.found);
    steps_[next_++](search.found);
}

void PostClick(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], length + 1)));
    return text;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::string text(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        text.resize(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]))));
        items.push_back(text);
    }
    return items;
}
