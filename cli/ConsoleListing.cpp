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

// The words for a result that is not a success, with a %1 for the path it concerns; 0 for none.
UINT MessageIdOf(RunResult result) {
    switch (result) {
    case RunResult::Stopped:
        return IDS_RUN_STOPPED;
    case RunResult::CannotCreate:
        return IDS_CLI_CANNOT_CREATE;
    case RunResult::WriteFailed:
        return IDS_CLI_WRITE_FAILED;
    case RunResult::EarlierUnreadable:
        return IDS_CLI_EARLIER_UNREADABLE;
    case RunResult::EarlierTemplate:
        return IDS_CLI_EARLIER_TEMPLATE;
    case RunResult::EarlierOtherColumns:
        return IDS_CLI_EARLIER_OTHER_COLUMNS;
    case RunResult::EarlierOtherPaths:
        return IDS_CLI_EARLIER_OTHER_PATHS;
    case RunResult::FolderUnreadable:
        return IDS_CLI_FOLDER_UNREACHABLE;
    case RunResult::Complete:
        break;
    }
    return 0;
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
    const UINT message = MessageIdOf(result);
    if (!message) return;
    std::wstring line = FillIn(LoadResourceText(message), {PrintableText(ConcernedPath(result, options))});
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
        WriteErrorLine(FillIn(LoadResourceText(IDS_CLI_UNREAD),
                              {PrintableText(ShownPath(entry.path)), SystemErrorText(entry.error)}));
    if (gaps.inexactNames)
        WriteErrorLine(FillIn(LoadResourceText(IDS_CLI_INEXACT_NAMES), {std::to_wstring(gaps.inexactNames.load())}));
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
    // OUTFILE stays empty then: standard output has no name.
    if (options.outputPath.empty()) run.WriteTo(GetStdHandle(STD_OUTPUT_HANDLE));
    RunWithProgress(run, quiet);
    const RunResult result = run.Result();
    TellGaps(run.Gaps());
    // Stopped is no failure of the system's, whatever the last error was.
    TellFailure(result, options, result == RunResult::Stopped ? 0 : run.Gaps().failure);
    if (result == RunResult::Complete && options.compare && !quiet) WriteErrorLine(ComparisonCountsText(run.Comparison()));
    return ExitCodeOf(result, run.Gaps(), run.Comparison());
}
