// Checking a dropped checksum file (or one named on the command line) from the main dialog:
// on a worker thread like a listing, stopped by Cancel, the report beside the checksum file
// and an end box with the counts that offers to open it.
#include <windows.h>
#include <shellapi.h>

#include "common/CheckText.h"

#include "framework/MessageBox.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

void CMainDialog::StartCheck(const std::wstring& sumsPath) {
    if (IsRunning()) return;
    check_ = std::make_unique<CheckRun>(sumsPath);
    EnableControls(false);
    if (!check_->Start(Window(), IDC_MAIN_CHECK_FINISH)) {
        check_.reset();
        EnableControls(true);
        DialogMessageBox(Window(), LoadResourceText(IDS_START_FAILED), MB_OK | MB_ICONERROR);
        return;
    }
    StartProgress();
}

void CMainDialog::OnCheckFinish() {
    if (!check_) return;
    check_->Wait();
    EndProgress();
    EnableControls(true);
    const CheckResult result = check_->Result();
    const std::wstring counts = CheckCountsText(check_->Counts());
    if (result != CheckResult::Complete && result != CheckResult::Stopped) {
        DialogMessageBox(Window(), FillIn(LoadResourceText(CheckResultMessageId(result)), {check_->SumsPath()}),
                 MB_OK | MB_ICONERROR);
        return;
    }
    // A stop keeps the report of the files checked so far: it is offered as well.
    const UINT text = result == CheckResult::Complete ? IDS_CHECK_DONE : IDS_CHECK_STOPPED;
    const CheckCounts found = check_->Counts();
    const bool clean = !found.failed && !found.missing && !found.unreadable && !found.malformed;
    const UINT boxIcon = clean && result == CheckResult::Complete ? MB_ICONQUESTION : MB_ICONWARNING;
    if (DialogMessageBox(Window(), FillIn(LoadResourceText(text), {counts}), MB_YESNO | boxIcon) == IDYES)
        ShellExecuteW(Window(), L"OPEN", check_->ReportPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
