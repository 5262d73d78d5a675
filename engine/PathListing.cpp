#include "engine/PathListing.h"

#include <windows.h>

#include <cwchar>

#include "engine/DirectorySearch.h"
#include "framework/LongPath.h"

namespace {

bool IsHiddenFolder(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] == L'.';
}

bool ListOnePath(OutputWriter& writer, const std::wstring& path) {
    const std::wstring directory = DirectoryWithBackslash(path);
    writer.SetDirectory(writer.Encoding().FromWide(directory), ExtendedPath(directory));
    // The path itself (not a pattern); gone meanwhile, or not searchable: no line, no message.
    DirectorySearch search(ExtendedPath(path));
    WIN32_FIND_DATAW entry;
    if (!search.Next(entry) || IsHiddenFolder(entry)) return true;
    return writer.FormatEntry(entry, writer.Encoding().FromWide(std::wstring(entry.cFileName)));
}

}  // namespace

std::wstring DirectoryWithBackslash(const std::wstring& path) {
    const size_t last = path.rfind(L'\\');
    // The first character is never taken for the separator.
    if (last == std::wstring::npos || last == 0) return path + L"\\";
    return path.substr(0, last + 1);
}

bool ListPaths(OutputWriter& writer, PathList& paths, const std::atomic<bool>& stopRequest) {
    while (!paths.empty()) {
        if (stopRequest) return false;
        const std::wstring path = paths.front();
        paths.pop_front();
        if (!ListOnePath(writer, path)) return false;
    }
    return true;
}
