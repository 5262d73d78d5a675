#include "engine/PathListing.h"

#include <windows.h>

#include "engine/DirectorySearch.h"
#include "engine/OutputRun.h"
#include "text/CodePageText.h"

namespace {

// The find record of the path itself (not a pattern); false when it cannot be found.
bool FindEntry(const CString& path, WIN32_FIND_DATAA& entry) {
    DirectorySearch search(path);
    return search.Next(entry);
}

bool IsHiddenFolder(const WIN32_FIND_DATAA& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] == '.';
}

void ListOnePath(OutputWriter& writer, const CString& path) {
    writer.SetDirectory(DirectoryWithBackslash(path));
    WIN32_FIND_DATAA entry;
    // A path gone meanwhile, or not searchable, gives no line and no message.
    if (FindEntry(path, entry) && !IsHiddenFolder(entry)) writer.FormatEntry(entry);
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

void ListPaths(ListingJob& job, CStringList& paths) {
    RunOutput(job, [&paths](OutputWriter& writer) {
        while (!paths.empty()) {
            const CString path = paths.front();
            paths.pop_front();
            ListOnePath(writer, path);
        }
    });
    job.running = 0;
}
