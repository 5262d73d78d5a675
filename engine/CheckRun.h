#pragma once
// One check of a checksum file on a worker thread, for the dialog: the report written beside
// the checksum file, a stop request, and a notice posted to a window when it has ended, as a
// listing run does (engine/ListingRun.h).
#include <windows.h>

#include <atomic>
#include <string>

#include "engine/ChecksumCheck.h"
#include "framework/StopSignal.h"
#include "framework/WorkerThread.h"

class CheckRun {
public:
    // sumsPath: the checksum file; the report goes to ReportPathFor(sumsPath).
    explicit CheckRun(const std::wstring& sumsPath);
    ~CheckRun();
    CheckRun(const CheckRun&) = delete;
    CheckRun& operator=(const CheckRun&) = delete;

    // As ListingRun::Start: WM_COMMAND with finishCommand is posted to notifyWindow at the end.
    bool Start(HWND notifyWindow, WORD finishCommand);
    void RequestStop() { stop_.Request(); }
    void Wait() { thread_.Wait(); }
    bool IsRunning() const { return running_; }

    // Once it has ended.
    CheckResult Result() const { return result_; }
    CheckCounts Counts() const { return check_.Counts(); }
    size_t Checked() const { return check_.Checked(); }
    const std::wstring& ReportPath() const { return reportPath_; }
    const std::wstring& SumsPath() const { return sumsPath_; }

private:
    const std::wstring sumsPath_;
    StopSignal stop_;
    ChecksumCheck check_;
    const std::wstring reportPath_;
    WorkerThread thread_;
    std::atomic<bool> running_{true};
    CheckResult result_ = CheckResult::Complete;
};

// Where the dialog's report of a checksum file goes: beside it, "<name>.verify.txt".
std::wstring ReportPathFor(const std::wstring& sumsPath);
