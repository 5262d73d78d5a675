#include "ListingRun.h"

#include "TempFolder.h"
#include "WaitUntil.h"
#include "engine/ListingRun.h"

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
    if (message == WM_COMMAND && LOWORD(wParam) == kTestFinishCommand && HIWORD(wParam) == 0 && lParam == 0) {
        auto* self = reinterpret_cast<FinishNoticeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self) ++self->notices_;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool FinishNoticeWindow::WaitForNotice(DWORD timeoutMs) {
    const int before = notices_;
    return WaitUntil([&] { return notices_ != before; }, timeoutMs);
}

ListingOptions RelativeListing(const std::string& folder, const std::string& output) {
    ListingOptions job;
    job.folder = Wide(folder);
    job.outputPath = Wide(output);
    job.pathType = PathType::Relative;
    job.subfolders = true;
    return job;
}

RunOutcome RunListing(ListingOptions& options, bool stopFirst, DWORD timeoutMs, unsigned readerThreads) {
    FinishNoticeWindow window;
    MessageBoxRecorder recorder;
    RunOutcome outcome;
    ListingRun run(options);
    run.SetReaderThreads(readerThreads);
    if (stopFirst) run.RequestStop();
    if (!run.Start(window.Handle(), kTestFinishCommand)) return outcome;
    outcome.noticed = window.WaitForNotice(timeoutMs);
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (run.IsRunning() && GetTickCount64() < deadline) Sleep(1);
    outcome.notices = window.Notices();
    outcome.running = run.IsRunning();
    outcome.result = run.Result();
    outcome.boxes = recorder.Boxes();
    options = run.Job().options;
    return outcome;
}
