// Starting a folder run from the main dialog and the prompt at its end.
#include <windows.h>
#include <shellapi.h>

#include "engine/ListingWorker.h"
#include "engine/WildcardFilter.h"
#include "framework/MessageBox.h"
#include "text/CodePageText.h"
#include "ui/MainDialog.h"

namespace {

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
    if (job.running) return;
    UpdateData(true);
    if (!IsExistingFolder(options.folderText)) {
        DialogMessageBox(Window(), "対象フォルダにアクセスできません", MB_OK | MB_ICONERROR);
        return;
    }
    TakeSnapshot();
    job.folder = options.folderText;
    if (job.filter) {
        job.filterList.clear();
        SplitFilterText(options.filterText, job.filterList);
    }
    EnableControls(FALSE);
    // Raised before the start so that Cancel in the meantime stops instead of closing.
    job.running = 1;
    if (!startThread(ListingThreadProc, &job)) {
        job.running = 0;
        EnableControls(TRUE);
        DialogMessageBox(Window(), "ファイル列挙を開始できません", MB_OK | MB_ICONERROR);
    }
}

void CMainDialog::TakeSnapshot() {
    job.lowerCase = options.lowerCase;
    job.upperCase = options.upperCase;
    job.directoryNames = options.directoryNames;
    job.stopRequest = 0;
    job.owner = Window();
    job.url = options.url;
    job.useTemplate = options.useTemplate;
    TrimBlanks(options.outputPath);
    job.outputPath = options.outputPath.empty() ? defaultOutputPath : options.outputPath;
    job.pathType = options.pathType;
    job.subfolders = options.subfolders;
    job.attributes = options.attributes;
    job.checksum = options.checksum;
    job.date = options.date;
    job.fileVersion = options.fileVersion;
    job.size = options.size;
    job.productVersion = options.productVersion;
    job.filter = options.filter;
    job.headerText = options.headerText;
    job.footerText = options.footerText;
    job.repeatText = options.repeatText;
}

void CMainDialog::OnFinish() {
    EnableControls(TRUE);
    if (job.stopRequest) {
        AppMessageBox("ユーザーの指示により停止しました", MB_OK);
        return;
    }
    if (!job.result) return;  // the worker has shown its message
    if (!options.outputPath.empty()) {
        int answer = DialogMessageBox(Window(), "ファイル列挙が完了しました。\r\nいますぐ開きますか?",
                                      MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES) return;
    }
    ShellExecuteA(Window(), "OPEN", job.outputPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
