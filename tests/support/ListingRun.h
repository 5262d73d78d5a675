#pragma once
// Drives a real folder run in a test: a message-only window of the test receives the finish
// notice, and message boxes are recorded instead of shown.
#include <windows.h>

#include <string>
#include <vector>

#include "MessageBoxRecorder.h"
#include "engine/ListingJob.h"

// A message-only window that counts WM_COMMAND notices with the finish command id.
class FinishNoticeWindow {
public:
    FinishNoticeWindow();
    ~FinishNoticeWindow();
    FinishNoticeWindow(const FinishNoticeWindow&) = delete;
    FinishNoticeWindow& operator=(const FinishNoticeWindow&) = delete;

    HWND Handle() const { return window_; }
    // Pumps this thread's messages until a finish notice arrives; false after the timeout.
    bool WaitForNotice(DWORD timeoutMs);
    int Notices() const { return notices_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    int notices_ = 0;
};

struct RunOutcome {
    bool noticed = false;      // the finish notice reached the owner window
    int notices = 0;
    int32_t running = -1;      // the job's flags once the run has ended
    int32_t result = -1;
    std::vector<RecordedBox> boxes;
};

// Starts the worker on the job (owner = a window of the test), waits for the finish notice
// and for the running flag to drop.
RunOutcome RunListing(ListingJob& job, DWORD timeoutMs = 20000);
