#include "engine/PathListing.h"

#include <windows.h>

#include "engine/DirectorySearch.h"
#include "text/CodePageText.h"

namespace {

bool IsHiddenFolder(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] == '.';
}

void ListOnePath(OutputWriter& writer, const CString& path) {
    writer.SetDirectory(DirectoryWithBackslash(path));
    // The path itself (not a pattern); gone meanwhile, or not searchable: no line, no message.
    DirectorySearch search(path);
    WIN32_FIND_DATAA entry;
    if (search.Next(entry) && !IsHiddenFolder(entry)) writer.FormatEntry(entry, search.Name());
}

}  // namespace

CString DirectoryWithBackslash(const CString& path) {
    const CodePageText& text = CodePageText::System();
    const char* start = path.c_str();
    for (const char* p = text.Prev(start, start + path.size()); p > start; p = text.Prev(start, p)) {
        if (*p == '\\') return CString(start, p + 1);
    }
    return path + "\\";
}

void ListPaths(OutputWriter& writer, CStringList& paths) {
    while (!paths.empty()) {
        const CString path = paths.front();
        paths.pop_front();
        ListOnePath(writer, path);
    }
}
