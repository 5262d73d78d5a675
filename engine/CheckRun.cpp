#include "engine/CheckRun.h"

#include "engine/ChecksumReport.h"
#include "engine/ContentPrefetcher.h"
#include "engine/ListingJob.h"
#include "framework/LongPath.h"

CheckRun::CheckRun(const std::wstring& sumsPath)
    : sumsPath_(sumsPath),
      check_(sumsPath, stop_, DefaultReaderThreads() * kContentReadersPerReader),
      reportPath_(ReportPathFor(sumsPath)) {}

CheckRun::~CheckRun() {
    stop_.Request();
    thread_.Wait();
}

bool CheckRun::Start(HWND notifyWindow, WORD finishCommand) {
    const bool started = thread_.Start([this, notifyWindow, finishCommand] {
        result_ = WriteCheckReport(check_, CreationPath(reportPath_), nullptr, false);
        running_ = false;
        if (notifyWindow) PostMessageW(notifyWindow, WM_COMMAND, MAKEWPARAM(finishCommand, 0), 0);
    });
    if (!started) running_ = false;
    return started;
}

std::wstring ReportPathFor(const std::wstring& sumsPath) { return sumsPath + L".verify.txt"; }
