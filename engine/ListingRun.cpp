#include "engine/ListingRun.h"

#include <new>
#include <utility>

#include "engine/DirectorySearch.h"
#include "engine/FolderWalk.h"
#include "engine/OutputRun.h"
#include "engine/PathListing.h"
#include "framework/LongPath.h"

namespace {

// Why the folder's entries cannot be read from the first (an empty folder can); 0 when they can.
DWORD FolderSearchError(const std::wstring& folder) {
    std::wstring pattern = ExtendedPath(folder);
    if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
    return DirectorySearch(pattern + L"*").Error();
}

}  // namespace

ListingRun::ListingRun(const ListingOptions& options) : job_(options) {}

ListingRun::ListingRun(const ListingOptions& options, PathList paths) : job_(options, std::move(paths)) {}

ListingRun::~ListingRun() {
    RequestStop();
    Wait();
}

bool ListingRun::Start(HWND notifyWindow, WORD finishCommand) {
    const bool started = thread_.Start([this, notifyWindow, finishCommand] {
        Work();
        if (notifyWindow) PostMessageA(notifyWindow, WM_COMMAND, MAKEWPARAM(finishCommand, 0), 0);
        running_ = false;
    });
    if (!started) running_ = false;
    return started;
}

void ListingRun::RunHere() {
    Work();
    running_ = false;
}

void ListingRun::Work() {
    if (!job_.listsPaths && (gaps_.failure = FolderSearchError(job_.options.folder)) != 0) {
        result_ = RunResult::FolderUnreadable;
        return;
    }
    try {
        result_ = WriteListing(job_, progress_, stop_, gaps_, [this](EntryIntake& intake) {
            return job_.listsPaths ? ListPaths(job_, intake, stop_) : WalkFolder(job_, intake, stop_);
        }, comparison_);
    } catch (const std::bad_alloc&) {
        // Out of memory (here or on a reader thread, whose failure is thrown again here): the
        // lines held are given up and the file is closed as it stands, as after a failed
        // write; the front end stays to say so.
        gaps_.failure = ERROR_NOT_ENOUGH_MEMORY;
        result_ = RunResult::WriteFailed;
    } catch (...) {
        // Whatever else a thread of the run threw ends it the same way, for want of a reason.
        result_ = RunResult::WriteFailed;
    }
}
