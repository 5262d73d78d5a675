#include "cli/ConsoleListing.h"

#include <windows.h>

#include <string>

#include "cli/ConsoleText.h"
#include "cli/ProgressLine.h"
#include "cli/StopKeys.h"
#include "engine/ListingRun.h"
#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "settings/ComparisonText.h"
#include "settings/PageResources.h"
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

// The words for a result that is not a success; 0 for none.
UINT MessageIdOf(RunResult result) {
    switch (result) {
    case RunResult::Stopped:
        return IDS_RUN_STOPPED;
    case RunResult::CannotCreate:
        return IDS_CANNOT_CREATE;
    case RunResult::WriteFailed:
        return IDS_WRITE_FAILED;
    case RunResult::EarlierUnreadable:
        return IDS_EARLIER_UNREADABLE;
    case RunResult::EarlierTemplate:
        return IDS_EARLIER_TEMPLATE;
    case RunResult::EarlierOtherColumns:
        return IDS_EARLIER_OTHER_COLUMNS;
    case RunResult::EarlierOtherPaths:
        return IDS_EARLIER_OTHER_PATHS;
    case RunResult::FolderUnreadable:
        return IDS_FOLDER_UNREACHABLE;
    case RunResult::Complete:
        break;
    }
    return 0;
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

// One line for each entry that could not be read, and one for the names written with "?".
void TellGaps(const ListingGaps& gaps) {
    for (const UnreadEntry& entry : gaps.unread)
        WriteErrorLine(FillIn(LoadResourceText(IDS_CLI_UNREAD), {ShownPath(entry.path), SystemErrorText(entry.error)}));
    if (gaps.inexactNames)
        WriteErrorLine(FillIn(LoadResourceText(IDS_CLI_INEXACT_NAMES), {std::to_wstring(gaps.inexactNames.load())}));
}

}  // namespace

int RunConsoleListing(ListingOptions options, bool quiet) {
    options.folder = TypedFolder(options.folder);
    if (options.folder.empty()) {
        WriteErrorLine(LoadResourceText(IDS_FOLDER_UNREACHABLE));
        return kExitNoFolder;
    }
    ListingRun run(options);
    if (options.page) run.SetPageAssets(LoadPageAssets());
    // OUTFILE stays empty then: standard output has no name.
    if (options.outputPath.empty()) run.WriteTo(GetStdHandle(STD_OUTPUT_HANDLE));
    RunWithProgress(run, quiet);
    const RunResult result = run.Result();
    TellGaps(run.Gaps());
    if (const UINT message = MessageIdOf(result)) WriteErrorLine(LoadResourceText(message));
    if (result == RunResult::Complete && options.compare && !quiet) WriteErrorLine(ComparisonCountsText(run.Comparison()));
    return ExitCodeOf(result, run.Gaps(), run.Comparison());
}
