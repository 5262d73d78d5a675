// Starting a folder run from the main dialog and the prompt at its end.
#include <windows.h>
#include <shellapi.h>

#include "engine/FolderWalk.h"
#include "framework/MessageBox.h"
#include "ui/MainDialog.h"

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

}  // namespace

void CMainDialog::Execute() {
    if (IsRunning()) return;
    UpdateData(true);
    if (!IsExistingFolder(options.folder)) {
        DialogMessageBox(Window(), kFolderUnreachableMessage, MB_OK | MB_ICONERROR);
        return;
    }
    Start(std::make_unique<ListingRun>(Snapshot()));
}

void CMainDialog::Start(std::unique_ptr<ListingRun> run) {
    run_ = std::move(run);
    EnableControls(false);
    if (!StartRun(*run_)) {
        run_.reset();  // never started: nothing is going
        EnableControls(true);
        DialogMessageBox(Window(), "ファイル列挙を開始できません", MB_OK | MB_ICONERROR);
        return;
    }
    StartProgress();
}

ListingOptions CMainDialog::Snapshot() {
    TrimBlanks(options.outputPath);
    ListingOptions snapshot = options;
    if (snapshot.outputPath.empty()) snapshot.outputPath = defaultOutputPath;
    return snapshot;
}

void CMainDialog::OnFinish() {
    if (!run_) return;
    run_->Wait();  // the notice comes just before the worker's last step
    EndProgress();
    const RunResult result = run_->Result();
    if (result == RunResult::CannotCreate || result == RunResult::WriteFailed)
        AppMessageBox(ResultMessage(result), kFailureBoxType);
    EnableControls(true);
    if (result == RunResult::Stopped) {
        AppMessageBox(ResultMessage(result), MB_OK);
        return;
    }
    if (result != RunResult::Complete) return;
    if (!options.outputPath.empty()) {
        int answer = DialogMessageBox(Window(), "ファイル列挙が完了しました。\r\nいますぐ開きますか?",
                                      MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES) return;
    }
    ShellExecuteW(Window(), L"OPEN", run_->Job().options.outputPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
