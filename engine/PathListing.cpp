#include "engine/PathListing.h"

#include <windows.h>

#include "engine/DirectorySearch.h"
#include "engine/WalkRules.h"
#include "framework/LongPath.h"

namespace {

bool ListOnePath(EntryIntake& intake, const TextEncoding& encoding, const std::wstring& path,
                 const StopSignal& stop, WalkedEntry& entry) {
    const std::wstring directory = DirectoryWithBackslash(path);
    intake.SetDirectory(encoding.FromWide(directory), ExtendedPath(directory));
    // The path itself (not a pattern); gone meanwhile, or not searchable: no line, no message.
    DirectorySearch search(ExtendedPath(path));
    if (!NextWalkedEntry(search, encoding, stop, entry)) return !stop;
    if (entry.inexactName) intake.Gaps().inexactNames.fetch_add(1, std::memory_order_relaxed);
    return intake.Add(entry.found);
}

}  // namespace

std::wstring DirectoryWithBackslash(const std::wstring& path) {
    const size_t last = path.rfind(L'\\');
    // The first character is never taken for the separator.
    if (last == std::wstring::npos || last == 0) return path + L"\\";
    return path.substr(0, last + 1);
}

bool ListPaths(ListingJob& job, EntryIntake& intake, const StopSignal& stop) {
    WalkedEntry entry;
    PathList& paths = job.paths;
    while (!paths.empty()) {
        if (stop) return false;
        const std::wstring path = paths.front();
        paths.pop_front();
        if (!ListOnePath(intake, job.Encoding(), path, stop, entry)) return false;
    }
    return true;
}
