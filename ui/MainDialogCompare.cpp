// Comparing with the previous listing: the file the output path holds before a run is kept
// aside beside it (the run empties the output when it starts), read by the run as the earlier
// listing, and dropped once the new listing is complete; the differences go to a report file.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/ComparisonText.h"
#include "common/GapsMessage.h"
#include "framework/LongPath.h"
#include "framework/MessageBox.h"
#include "framework/ModuleText.h"
#include "text/CodePageText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

// Beside the output: the previous listing while a run goes, and the report of the differences.
const wchar_t kKeptAsideSuffix[] = L".quillmark-previous";
const wchar_t kReportSuffix[] = L".diff.txt";

}  // namespace

bool CMainDialog::PrepareComparison(ListingOptions& snapshot) {
    noPreviousListing_ = false;
    keptAside_.clear();
    if (!snapshot.compare || snapshot.useTemplate) {  // the template's box greys the compare box
        snapshot.compare = false;
        return true;
    }
    const std::wstring output = CreationPath(snapshot.outputPath);
    if (!IsFile(output)) {
        snapshot.compare = false;
        noPreviousListing_ = true;
        return true;
    }
    const std::wstring keptAside = CreationPath(snapshot.outputPath + kKeptAsideSuffix);
    if (!MoveFileExW(output.c_str(), keptAside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DialogMessageBox(Window(), LoadResourceString(IDS_EARLIER_UNREADABLE).c_str(), MB_OK | MB_ICONERROR);
        return false;
    }
    keptAside_ = keptAside;
    keptFrom_ = output;
    snapshot.earlierListing = keptAside;
    snapshot.reportPath = snapshot.outputPath + kReportSuffix;
    return true;
}

void CMainDialog::EndComparison(bool complete) {
    if (keptAside_.empty()) return;
    if (complete) {
        DeleteFileW(keptAside_.c_str());
    } else {
        // A listing cut short is worth less than the previous one: that comes back, and the
        // report of a part goes.
        MoveFileExW(keptAside_.c_str(), keptFrom_.c_str(), MOVEFILE_REPLACE_EXISTING);
        if (run_) DeleteFileW(CreationPath(run_->Job().options.reportPath).c_str());
    }
    keptAside_.clear();
}

void CMainDialog::OfferReport(const std::wstring& gaps) {
    const ComparisonCounts& counts = run_->Comparison();
    std::wstring text = ComparisonCountsText(counts);
    if (!counts.AnyDifference()) {
        if (!gaps.empty()) text += L"\r\n" + gaps.substr(0, gaps.size() - 2);  // without its last line break
        const UINT sign = gaps.empty() ? MB_ICONINFORMATION : MB_ICONWARNING;
        DialogMessageBox(Window(), CodePageText::System().TextFromWide(text).c_str(), MB_OK | sign);
        return;
    }
    text = BeforeLastLine(text + LoadResourceText(IDS_COMPARE_OPEN_REPORT), gaps);
    const CString question = CodePageText::System().TextFromWide(text);
    if (DialogMessageBox(Window(), question.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    ShellExecuteW(Window(), L"OPEN", run_->Job().options.reportPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
