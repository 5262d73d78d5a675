// Starting a folder run from the main dialog and the prompt at its end.
#include <windows.h>
#include <shellapi.h>

#include "common/GapsMessage.h"
#include "common/PageResources.h"
#include "common/RunResultText.h"
#include "framework/LongPath.h"
#include "framework/MessageBox.h"
#include "framework/ModuleText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

const UINT kFailureBoxType = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;

// Removes leading and trailing white space: space, tab, line feed, vertical tab, form feed and
// carriage return.
void TrimBlanks(std::wstring& text) {
    const wchar_t* blanks = L" \t\n\v\f\r";
    const size_t start = text.find_first_not_of(blanks);
    if (start == std::wstring::npos) {
        text.clear();
        return;
    }
    text = text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

void ShowMessage(HWND owner, UINT textId, UINT type) {
    DialogMessageBox(owner, LoadResourceText(textId), type);
}

}  // namespace

void CMainDialog::Execute() {
    if (IsRunning()) return;
    UpdateData(true);
    const std::wstring folder = TypedFolder(options.folder);
    if (folder.empty()) {
        // Blanks only are no folder either: "cannot be reached" would send the user looking.
        const bool given = options.folder.find_first_not_of(L" \t") != std::wstring::npos;
        ShowMessage(Window(), given ? IDS_FOLDER_UNREACHABLE : IDS_NO_FOLDER_GIVEN, MB_OK | MB_ICONERROR);
        return;
    }
    ListingOptions snapshot = Snapshot();
    snapshot.folder = folder;  // the field keeps what was typed
    if (!PrepareComparison(snapshot)) return;
    auto run = std::make_unique<ListingRun>(snapshot);
    if (snapshot.page) run->SetPageAssets(LoadPageAssets());
    Start(std::move(run));
}

void CMainDialog::Start(std::unique_ptr<ListingRun> run) {
    run_ = std::move(run);
    EnableControls(false);
    if (!StartRun(*run_)) {
        run_.reset();  // never started: nothing is going
        EndComparison(false);
        EnableControls(true);
        ShowMessage(Window(), IDS_START_FAILED, MB_OK | MB_ICONERROR);
        return;
    }
    StartProgress();
}

ListingOptions CMainDialog::Snapshot() {
    TrimBlanks(options.outputPath);
    ListingOptions snapshot = options;
    if (snapshot.outputPath.empty()) snapshot.outputPath = defaultOutputPath;
    if (snapshot.page) snapshot.useTemplate = snapshot.compare = false;  // the page greys both
    return snapshot;
}

void CMainDialog::OnFinish() {
    if (!run_) return;
    run_->Wait();  // the notice comes just before the worker's last step
    EndProgress();
    const RunResult result = run_->Result();
    const bool replaced = EndComparison(result == RunResult::Complete);
    const bool told = result == RunResult::Complete || result == RunResult::Stopped ||
                      result == RunResult::FolderUnreadable;  // each told below
    if (!told) AppMessageBox(LoadResourceText(RunResultMessageId(result)), kFailureBoxType);
    EnableControls(true);
    if (result == RunResult::FolderUnreadable) {  // as when it cannot be reached at the start
        ShowMessage(Window(), IDS_FOLDER_UNREACHABLE, MB_OK | MB_ICONERROR);
        return;
    }
    if (result == RunResult::Stopped) {
        AppMessageBox(LoadResourceText(RunResultMessageId(result)), MB_OK);
        return;
    }
    if (result != RunResult::Complete || !replaced) return;
    const std::wstring gaps = GapLines(run_->Gaps());
    if (run_->Job().options.compare) {
        OfferReport(gaps);
        return;
    }
    if (!options.outputPath.empty() || noPreviousListing_) {
        const std::wstring note = noPreviousListing_ ? LoadResourceText(IDS_COMPARE_NO_EARLIER) : std::wstring();
        const int answer = DialogMessageBox(Window(), BeforeLastLine(note + LoadResourceText(IDS_OPEN_NOW), gaps),
                                            MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES) return;
    } else if (!gaps.empty()) {  // the default output opens unasked: the lines come first
        DialogMessageBox(Window(), gaps, MB_OK | MB_ICONWARNING);
    }
    ShellExecuteW(Window(), L"OPEN", run_->Job().options.outputPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
