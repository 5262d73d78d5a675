#include "cli/ConsoleListing.h"

#include <windows.h>

#include "cli/ConsoleText.h"
#include "cli/ProgressLine.h"
#include "cli/StopKeys.h"
#include "engine/FolderWalk.h"
#include "engine/ListingRun.h"

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

int ExitCodeOf(RunResult result) {
    switch (result) {
    case RunResult::Complete:
        return kExitComplete;
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

int RunConsoleListing(const ListingOptions& options, bool quiet) {
    if (!IsExistingFolder(options.folder)) {
        WriteErrorLine(kFolderUnreachableMessage);
        return kExitNoFolder;
    }
    ListingRun run(options);
    // OUTFILE stays empty then: standard output has no name.
    if (options.outputPath.empty()) run.WriteTo(GetStdHandle(STD_OUTPUT_HANDLE));
    RunWithProgress(run, quiet);
    const RunResult result = run.Result();
    if (const char* message = ResultMessage(result)) WriteErrorLine(message);
    return ExitCodeOf(result);
}
