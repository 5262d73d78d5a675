#pragma once
// Drives a real folder run in a test: a message-only window of the test receives the finish
// notice, and message boxes are recorded instead of shown.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

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

struct RecordedBox {
    std::string text;
    std::string caption;
    UINT type;
};

// Answers every message box with IDOK (or the given answer) and records it, while alive.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    std::vector<RecordedBox> Boxes() const;

private:
    mutable std::mutex mutex_;
    std::vector<RecordedBox> boxes_;
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
