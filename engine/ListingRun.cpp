#include "engine/ListingRun.h"

#include <utility>

#include "engine/DirectorySearch.h"
#include "engine/FolderWalk.h"
#include "engine/OutputRun.h"
#include "engine/PathListing.h"
#include "framework/LongPath.h"

namespace {

// Whether the folder's entries cannot be read from the first (an empty folder can).
bool FolderUnreadable(const std::wstring& folder) {
    std::wstring pattern = ExtendedPath(folder);
    if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
    return DirectorySearch(pattern + L"*").Error() != 0;
}

}  // namespace

ListingRun::ListingRun(const ListingOptions& options) : job_(options) {}

ListingRun::ListingRun(const ListingOptions& options, PathList paths)
    : job_(options), paths_(std::move(paths)), listsPaths_(true) {
    job_.options.folder.clear();  // each line carries its own folder; DIRNAME stays empty
    job_.filterList.clear();      // nothing is filtered
    job_.excludedNames.clear();   // nor excluded: each path was chosen by itself
    job_.excludedPaths.clear();
    job_.options.compare = false; // no earlier listing holds these paths in a folder's order
}

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
    if (!listsPaths_ && FolderUnreadable(job_.options.folder)) {
        result_ = RunResult::FolderUnreadable;
        return;
    }
    try {
        result_ = WriteListing(job_, progress_, stop_, gaps_, [this](OutputWriter& writer) {
            return listsPaths_ ? ListPaths(writer, paths_, stop_) : WalkFolder(job_, writer, stop_);
        }, &comparison_);
    } catch (...) {
        // Out of memory (here or on a reader thread, whose failure is thrown again here): the
        // lines held are given up and the file is closed as it stands, as after a failed
        // write; the front end stays to say so.
        result_ = RunResult::WriteFailed;
    }
}
