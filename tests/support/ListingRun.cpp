#include "ListingRun.h"

#include "engine/ListingWorker.h"
#include "framework/MessageBox.h"
#include "framework/Thread.h"

namespace {
const char kClassName[] = "QuillmarkTestFinishNotice";
}

FinishNoticeWindow::FinishNoticeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly when already registered
    window_ = CreateWindowA(kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FinishNoticeWindow::~FinishNoticeWindow() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK FinishNoticeWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == kFinishCommandId && HIWORD(wParam) == 0 && lParam == 0) {
        auto* self = reinterpret_cast<FinishNoticeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) ++self->notices_;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool FinishNoticeWindow::WaitForNotice(DWORD timeoutMs) {
    const int before = notices_;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (notices_ == before) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (notices_ != before) break;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    }
    return true;
}

RunOutcome RunListing(ListingJob& job, DWORD timeoutMs) {
    FinishNoticeWindow window;
    MessageBoxRecorder recorder;
    job.owner = window.Handle();
    RunOutcome outcome;
    job.running = 1;  // raised before the start, as the dialog does
    if (!StartThread(ListingThreadProc, &job)) return outcome;
    outcome.noticed = window.WaitForNotice(timeoutMs);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (job.running != 0 && GetTickCount64() < deadline) Sleep(1);
    outcome.notices = window.Notices();
    outcome.running = job.running;
    outcome.result = job.result;
    outcome.boxes = recorder.Boxes();
    return outcome;
}
