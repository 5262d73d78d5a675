#include "engine/PathListing.h"

#include <windows.h>

#include "engine/DirectorySearch.h"
#include "engine/WalkRules.h"
#include "framework/LongPath.h"

namespace {

bool ListOnePath(OutputWriter& writer, const std::wstring& path, const StopSignal& stop, WalkedEntry& entry) {
    const std::wstring directory = DirectoryWithBackslash(path);
    writer.SetDirectory(writer.Encoding().FromWide(directory), ExtendedPath(directory));
    // The path itself (not a pattern); gone meanwhile, or not searchable: no line, no message.
    DirectorySearch search(ExtendedPath(path));
    if (!NextWalkedEntry(search, writer.Encoding(), stop, entry)) return !stop;
    if (entry.inexactName) writer.Gaps().inexactNames.fetch_add(1, std::memory_order_relaxed);
    return writer.FormatEntry(entry.record, entry.name);
}

}  // namespace

std::wstring DirectoryWithBackslash(const std::wstring& path) {
    const size_t last = path.rfind(L'\\');
    // The first character is never taken for the separator.
    if (last == std::wstring::npos || last == 0) return path + L"\\";
    return path.substr(0, last + 1);
}

bool ListPaths(OutputWriter& writer, PathList& paths, const StopSignal& stop) {
    WalkedEntry entry;
    while (!paths.empty()) {
        if (stop) return false;
        const std::wstring path = paths.front();
        paths.pop_front();
        if (!ListOnePath(writer, path, stop, entry)) return false;
    }
    return true;
}
