#include "cli/ConsoleListing.h"

#include <windows.h>

#include <string>

#include "cli/ConsoleText.h"
#include "cli/ProgressLine.h"
#include "cli/StopKeys.h"
#include "common/ComparisonText.h"
#include "common/GapsMessage.h"
#include "common/PageResources.h"
#include "common/RunResultText.h"
#include "engine/ListingRun.h"
#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "res/resource.h"

namespace {

// The count is rewritten at most this often.
const DWORD kProgressIntervalMs = 100;

void RunWithProgress(ListingRun& run, bool quiet) {
    StopKeys stopKeys(run);
    ProgressLine progress(quiet ? nullptr : GetStdHandle(STD_ERROR_HANDLE));
    if (run.Start(nullptr, 0)) {
        while (!run.WaitFor(kProgressIntervalMs)) progress.Show(run);
    } else {
        run.RunHere();  // no thread to spare: the same run, without the count
    }
    progress.End(run);
}

// The file or folder a result that is not a success concerns, as the user named it.
std::wstring ConcernedPath(RunResult result, const ListingOptions& options) {
    switch (result) {
    case RunResult::FolderUnreadable:
        return options.folder;
    case RunResult::EarlierUnreadable:
    case RunResult::EarlierTemplate:
    case RunResult::EarlierOtherColumns:
    case RunResult::EarlierOtherPaths:
        return options.earlierListing;
    default:
        return options.outputPath.empty() ? LoadResourceText(IDS_CLI_STANDARD_OUTPUT) : options.outputPath;
    }
}

// Why a typed folder names none: the system's reason for its path, or that it is no folder.
DWORD WhyNoFolder(const std::wstring& typed) {
    const std::wstring full = FullPath(typed);
    if (full.empty()) return ERROR_INVALID_NAME;
    if (GetFileAttributesW(ExtendedPath(full).c_str()) == INVALID_FILE_ATTRIBUTES) return GetLastError();
    return ERROR_DIRECTORY;
}

// A failure's line: what failed, on what, and the system's reason when it gave one.
void TellFailure(RunResult result, const ListingOptions& options, DWORD reason) {
    const UINT message = RunResultNamingMessageId(result);
    if (!message) return;
    std::wstring line = FillIn(LoadResourceText(message), {ShownPath(ConcernedPath(result, options))});
    if (reason) line += L" (" + SystemErrorText(reason) + L")";
    WriteErrorLine(line);
}

// Stop, write and create failures come before entries that could not be read, and those before
// the differences: a listing with gaps is not compared as if it were whole.
int ExitCodeOf(RunResult result, const ListingGaps& gaps, const ComparisonCounts& comparison) {
    switch (result) {
    case RunResult::Complete:
        if (!gaps.unread.empty()) return kExitUnread;
        return comparison.AnyDifference() ? kExitDifferences : kExitComplete;
    case RunResult::FolderUnreadable:
        return kExitNoFolder;
    case RunResult::EarlierUnreadable:
    case RunResult::EarlierTemplate:
    case RunResult::EarlierOtherColumns:
    case RunResult::EarlierOtherPaths:
    case RunResult::EarlierOutOfOrder:
    case RunResult::EarlierNotText:
    case RunResult::EarlierUtf16:
    case RunResult::EarlierLineTooLong:
        return kExitCannotCompare;
    case RunResult::CannotCreate:
        return kExitCannotCreate;
    case RunResult::WriteFailed:
        return kExitWriteFailed;
    case RunResult::Stopped:
        break;
    }
    return kExitStopped;
}

}  // namespace

int RunConsoleListing(ListingOptions options, bool quiet) {
    const std::wstring typed = options.folder;
    options.folder = TypedFolder(typed);
    if (options.folder.empty()) {
        if (typed.find_first_not_of(L" \t") == std::wstring::npos) {
            WriteErrorLine(LoadResourceText(IDS_NO_FOLDER_GIVEN));
        } else {
            options.folder = typed;
            TellFailure(RunResult::FolderUnreadable, options, WhyNoFolder(typed));
        }
        return kExitNoFolder;
    }
    ListingRun run(options);
    if (options.page) run.SetPageAssets(LoadPageAssets());
    // OUTFILE stays empty then: standard output has no name.
    if (options.outputPath.empty()) run.WriteTo(GetStdHandle(STD_OUTPUT_HANDLE));
    RunWithProgress(run, quiet);
    const RunResult result = run.Result();
    for (const std::wstring& line : EveryGapLine(run.Gaps())) WriteErrorLine(line);
    // Stopped is no failure of the system's, whatever the last error was.
    TellFailure(result, options, result == RunResult::Stopped ? 0 : run.Gaps().failure);
    const bool compared = run.Job().options.compare;  // as the run took it: never beside the page
    if (result == RunResult::Complete && compared && !quiet) WriteErrorLine(ComparisonCountsText(run.Comparison()));
    return ExitCodeOf(result, run.Gaps(), run.Comparison());
}
