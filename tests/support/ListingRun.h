#pragma once
// Drives a real folder run in a test: a message-only window of the test receives the finish
// notice, and message boxes are recorded instead of shown (a run itself shows none).
#include <windows.h>

#include <string>
#include <vector>

#include "MessageBoxRecorder.h"
#include "engine/ListingJob.h"
#include "engine/RunResult.h"
#include "format/ListingOptions.h"
#include "res/resource.h"

// The command id the test window waits for: the main dialog's own.
constexpr WORD kTestFinishCommand = IDC_MAIN_FINISH;

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
    bool running = true;       // the run's state once it has ended
    RunResult result = RunResult::Complete;
    std::vector<RecordedBox> boxes;
};

// A relative listing of folder and everything below it into output; every other switch off.
ListingOptions RelativeListing(const std::string& folder, const std::string& output);

// Runs a folder run of the options on its worker thread and waits for the finish notice and
// for the run to end. Afterwards the options hold what the run made of them (the folder ends
// with "\"). stopFirst: the stop is requested before the run starts. readerThreads: as in
// ListingJob (1: the walk on one thread).
RunOutcome RunListing(ListingOptions& options, bool stopFirst = false, DWORD timeoutMs = 20000,
                      unsigned readerThreads = DefaultReaderThreads());
