#include "cli/ConsoleCheck.h"

#include <windows.h>

#include "cli/ConsoleListing.h"
#include "cli/ConsoleText.h"
#include "cli/StopKeys.h"
#include "common/CheckText.h"
#include "engine/ChecksumReport.h"
#include "engine/ContentPrefetcher.h"
#include "engine/ListingJob.h"
#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "framework/WorkerThread.h"
#include "res/resource.h"
#include "text/DisplayWidth.h"

namespace {

const DWORD kProgressIntervalMs = 100;

int ExitCodeOf(CheckResult result, const CheckCounts& counts) {
    switch (result) {
    case CheckResult::Complete:
        if (counts.failed || counts.missing) return kExitDifferences;
        return counts.unreadable ? kExitUnread : kExitComplete;
    case CheckResult::SumsUnreadable:
    case CheckResult::NoChecksumLine:
        return kExitCannotCompare;
    case CheckResult::CannotCreate:
        return kExitCannotCreate;
    case CheckResult::WriteFailed:
        return kExitWriteFailed;
    case CheckResult::Stopped:
        break;
    }
    return kExitStopped;
}

// "Checking... 12 / 40" on the console line, rewritten in place, while the check goes.
void ShowProgress(const ChecksumCheck& check, std::wstring& shown) {
    const std::wstring text = LoadResourceText(IDS_CLI_CHECKING) + std::to_wstring(check.Checked()) + L" / " +
                              std::to_wstring(check.Lines().entries.size());
    if (text == shown) return;
    const size_t columns = DisplayColumns(text), shownColumns = DisplayColumns(shown);
    WriteConsoleText(GetStdHandle(STD_ERROR_HANDLE),
                     L"\r" + text + std::wstring(columns < shownColumns ? shownColumns - columns : 0, L' '));
    shown = text;
}

void TellMalformed(const ChecksumCheck& check) {
    for (size_t number : check.Lines().malformed)
        WriteErrorLine(FillIn(LoadResourceText(IDS_CHECK_MALFORMED_LINE), {std::to_wstring(number)}));
}

}  // namespace

int RunConsoleCheck(const std::wstring& sumsPath, const std::wstring& output, bool quiet) {
    StopSignal stop;
    ChecksumCheck check(sumsPath, stop, DefaultReaderThreads() * kContentReadersPerReader);
    CheckResult result = CheckResult::Complete;
    {
        StopKeys stopKeys(stop);
        auto work = [&] {
            result = WriteCheckReport(check, output.empty() ? output : CreationPath(output),
                                      output.empty() ? GetStdHandle(STD_OUTPUT_HANDLE) : nullptr, quiet);
        };
        WorkerThread thread;
        const bool progress = !quiet && IsConsole(GetStdHandle(STD_ERROR_HANDLE));
        std::wstring shown;
        if (thread.Start(work)) {
            while (!thread.WaitFor(kProgressIntervalMs))
                if (progress && check.Checked()) ShowProgress(check, shown);
        } else {
            work();
        }
        if (!shown.empty()) WriteConsoleText(GetStdHandle(STD_ERROR_HANDLE), L"\r\n");
    }
    TellMalformed(check);
    if (const UINT message = CheckResultMessageId(result)) WriteErrorLine(FillIn(LoadResourceText(message), {sumsPath}));
    if (result != CheckResult::SumsUnreadable && result != CheckResult::NoChecksumLine)
        WriteErrorLine(CheckCountsText(check.Counts()));
    return ExitCodeOf(result, check.Counts());
}
