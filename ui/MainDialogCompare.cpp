// Comparing with the previous listing: the file the output path holds before a run is the
// earlier listing. The run writes the new listing and the report beside it and the output is
// replaced only once the new listing is complete, so that at every moment, a killed run too,
// the output holds a whole listing for the next run to compare with.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/ComparisonText.h"
#include "common/GapsMessage.h"
#include "framework/FileHandle.h"
#include "framework/LongPath.h"
#include "framework/MessageBox.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

// Beside the output: the report of the differences, and each new file while a run writes it.
const wchar_t kReportSuffix[] = L".diff.txt";
const wchar_t kNewSuffix[] = L".quillmark-new";

// The output as the file functions make it ("report." is "report"): the listing compared with,
// and the name the files beside it are named after.
std::wstring TidiedOutput(const std::wstring& typed) {
    const std::wstring full = FullPath(typed);
    return full.empty() ? typed : full;
}

// The system's reason why the file cannot be opened for writing so; 0 when it can.
DWORD WriteError(const std::wstring& path, DWORD creation) {
    const FileHandle file(CreationPath(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, creation,
                          FILE_ATTRIBUTE_NORMAL);
    return file.IsOpen() ? 0 : GetLastError();
}

void ShowFileError(HWND owner, UINT textId, const std::wstring& path, DWORD error) {
    const std::wstring text = FillIn(LoadResourceText(textId), {ShownPath(path), SystemErrorText(error)});
    DialogMessageBox(owner, text, MB_OK | MB_ICONERROR);
}

// The system's reason why the file cannot take the other's place; 0 when it has.
DWORD ReplaceError(const std::wstring& from, const std::wstring& to) {
    const BOOL moved = MoveFileExW(CreationPath(from).c_str(), CreationPath(to).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : GetLastError();
}

}  // namespace

bool CMainDialog::PrepareComparison(ListingOptions& snapshot) {
    noPreviousListing_ = false;
    comparedOutput_.clear();
    const bool comparing = snapshot.compare && !snapshot.useTemplate;  // the template's box greys the compare box
    snapshot.compare = false;
    const std::wstring output = TidiedOutput(snapshot.outputPath);
    // A report of an earlier run is not left beside a listing that makes none.
    DeleteFileW(CreationPath(output + kReportSuffix).c_str());
    if (!comparing) return true;
    if (!IsFile(output)) {
        noPreviousListing_ = true;
        return true;
    }
    // Each failure the run would meet only at its end, told before anything is written.
    if (const DWORD error = WriteError(output, OPEN_EXISTING)) {
        ShowFileError(Window(), IDS_OUTPUT_NOT_WRITABLE, output, error);
        return false;
    }
    for (const std::wstring& side : {output + kNewSuffix, output + kReportSuffix + kNewSuffix}) {
        if (const DWORD error = WriteError(side, CREATE_ALWAYS)) {
            DeleteFileW(CreationPath(output + kNewSuffix).c_str());
            ShowFileError(Window(), IDS_SIDE_FILE_NOT_CREATED, side, error);
            return false;
        }
    }
    comparedOutput_ = output;
    snapshot.compare = true;
    snapshot.earlierListing = output;
    snapshot.outputPath = output + kNewSuffix;
    snapshot.sideOutput = true;
    snapshot.reportPath = output + kReportSuffix + kNewSuffix;
    return true;
}

bool CMainDialog::EndComparison(bool complete) {
    if (comparedOutput_.empty()) return true;
    const std::wstring newListing = comparedOutput_ + kNewSuffix;
    const std::wstring report = comparedOutput_ + kReportSuffix;
    const std::wstring newReport = report + kNewSuffix;
    if (complete) {
        // The report first: a report never stands beside a listing it was not made with.
        if (const DWORD error = ReplaceError(newReport, report)) {
            ShowFileError(Window(), IDS_NOT_REPLACED, report, error);
        } else if (const DWORD listingError = ReplaceError(newListing, comparedOutput_)) {
            ShowFileError(Window(), IDS_NOT_REPLACED, comparedOutput_, listingError);
            DeleteFileW(CreationPath(report).c_str());
        } else {
            return true;
        }
    }
    // A listing cut short, or one that could not take the output's place, is worth less than
    // the previous one, which stays; the report of a part goes.
    DeleteFileW(CreationPath(newListing).c_str());
    DeleteFileW(CreationPath(newReport).c_str());
    return false;
}

void CMainDialog::OfferReport(const std::wstring& gaps) {
    const ComparisonCounts& counts = run_->Comparison();
    std::wstring text = ComparisonCountsText(counts);
    if (!counts.AnyDifference()) {
        if (!gaps.empty()) text += L"\r\n" + gaps.substr(0, gaps.size() - 2);  // without its last line break
        const UINT sign = gaps.empty() ? MB_ICONINFORMATION : MB_ICONWARNING;
        DialogMessageBox(Window(), text, MB_OK | sign);
        return;
    }
    text = BeforeLastLine(text + LoadResourceText(IDS_COMPARE_OPEN_REPORT), gaps);
    if (DialogMessageBox(Window(), text, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    const std::wstring report = comparedOutput_ + kReportSuffix;
    ShellExecuteW(Window(), L"OPEN", report.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
