// Starting a folder run from the main dialog and the prompt at its end.
#include <windows.h>
#include <shellapi.h>

#include "engine/FolderWalk.h"
#include "framework/MessageBox.h"
#include "text/CodePageText.h"
#include "ui/MainDialog.h"

namespace {

const UINT kFailureBoxType = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Removes leading and trailing single-byte white space; a double-byte character is never cut,
// even when its trail byte looks like a blank.
void TrimBlanks(CString& text) {
    const CodePageText& cp = CodePageText::System();
    const char* start = text.c_str();
    while (*start && IsBlank(*start)) ++start;
    const char* end = start;
    for (const char* p = start; *p; p = cp.Next(p)) {
        if (!IsBlank(*p)) end = cp.Next(p);
    }
    text = CString(start, end);
}

}  // namespace

void CMainDialog::Execute() {
    if (IsRunning()) return;
    UpdateData(true);
    if (!IsExistingFolder(options.folder)) {
        DialogMessageBox(Window(), kFolderUnreachableMessage, MB_OK | MB_ICONERROR);
        return;
    }
    run_ = std::make_unique<ListingRun>(Snapshot());
    EnableControls(false);
    if (!StartRun(*run_)) {
        run_.reset();  // never started: nothing is going
        EnableControls(true);
        DialogMessageBox(Window(), "ファイル列挙を開始できません", MB_OK | MB_ICONERROR);
    }
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
    const RunResult result = run_->Result();
    if (result == RunResult::CannotCreate || result == RunResult::WriteFailed)
        AppMessageBox(ResultMessage(result), kFailureBoxType);
    EnableControls(true);
    if (run_->StopRequested()) {
        AppMessageBox(ResultMessage(RunResult::Stopped), MB_OK);
        return;
    }
    if (result != RunResult::Complete) return;
    if (!options.outputPath.empty()) {
        int answer = DialogMessageBox(Window(), "ファイル列挙が完了しました。\r\nいますぐ開きますか?",
                                      MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES) return;
    }
    ShellExecuteA(Window(), "OPEN", run_->Job().options.outputPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
