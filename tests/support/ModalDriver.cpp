#include "ModalDriver.h"

#include <map>

namespace {

// Marks a dialog already answered; a disabled one loses it, and a new window never has it.
const char kAnswered[] = "QuillmarkTest.answered";

std::map<UINT_PTR, ModalDriver*>& Drivers() {
    static std::map<UINT_PTR, ModalDriver*> drivers;
    return drivers;
}

BOOL CALLBACK ForgetAnswered(HWND window, LPARAM) {
    RemovePropA(window, kAnswered);
    return TRUE;
}

}  // namespace

ModalDriver::ModalDriver(HWND ignore) : ignore_(ignore) {
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
    Drivers()[timer_] = this;
}

ModalDriver::ModalDriver(const std::string& caption, Action everyOpening)
    : anyCaption_(false), caption_(caption), everyOpening_(std::move(everyOpening)) {
    timer_ = SetTimer(nullptr, 0, 20, OnTimer);
    Drivers()[timer_] = this;
}

ModalDriver::~ModalDriver() {
    KillTimer(nullptr, timer_);
    Drivers().erase(timer_);
    EnumThreadWindows(GetCurrentThreadId(), ForgetAnswered, 0);
}

ModalDriver& ModalDriver::Then(Action action) {
    steps_.push_back(std::move(action));
    return *this;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    auto it = Drivers().find(timer);
    if (it != Drivers().end()) it->second->Poll();
}

// Visits every window of the thread (to unmark the disabled ones) and keeps the first new one.
BOOL CALLBACK ModalDriver::CheckWindow(HWND window, LPARAM param) {
    auto* self = reinterpret_cast<ModalDriver*>(param);
    char className[16] = "", caption[256] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || window == self->ignore_) return TRUE;
    if (!IsWindowEnabled(window)) {
        RemovePropA(window, kAnswered);
        return TRUE;
    }
    GetWindowTextA(window, caption, sizeof caption);
    if (!self->found_ && IsWindowVisible(window) && !GetPropA(window, kAnswered) &&
        (self->anyCaption_ || self->caption_ == caption))
        self->found_ = window;
    return TRUE;
}

void ModalDriver::Poll() {
    if (!everyOpening_ && Finished()) return;
    found_ = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), CheckWindow, reinterpret_cast<LPARAM>(this));
    HWND dialog = found_;
    if (!dialog) return;
    SetPropA(dialog, kAnswered, reinterpret_cast<HANDLE>(1));
    ++openings_;
    if (next_ < steps_.size()) steps_[next_++](dialog);
    else everyOpening_(dialog);
}
