#include "cli/ConsoleListing.h"

#include <windows.h>

#include <string>

#include "cli/ConsoleText.h"
#include "cli/ProgressLine.h"
#include "cli/StopKeys.h"
#include "common/ComparisonText.h"
#include "common/GapsMessage.h"
#include "common/RunResultText.h"
#include "engine/ListingRun.h"
#include "framework/LongPath.h"
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

}  // namespace

int RunConsoleListing(ListingOptions options, bool quiet) {
    options.folder = TypedFolder(options.folder);
    if (options.folder.empty()) {
        WriteErrorLine(LoadResourceText(IDS_FOLDER_UNREACHABLE));
        return kExitNoFolder;
    }
    ListingRun run(options);
    // OUTFILE stays empty then: standard output has no name.
    if (options.outputPath.empty()) run.WriteTo(GetStdHandle(STD_OUTPUT_HANDLE));
    RunWithProgress(run, quiet);
    const RunResult result = run.Result();
    for (const std::wstring& line : EveryGapLine(run.Gaps())) WriteErrorLine(line);
    if (const UINT message = RunResultMessageId(result)) WriteErrorLine(LoadResourceText(message));
    if (result == RunResult::Complete && options.compare && !quiet) WriteErrorLine(ComparisonCountsText(run.Comparison()));
    return ExitCodeOf(result, run.Gaps(), run.Comparison());
}
