#include "engine/PathListing.h"

#include <windows.h>

#include "engine/OutputWriter.h"
#include "format/LongPath.h"
#include "framework/MessageBox.h"
#include "text/CodePageText.h"

namespace {

const UINT kFailureBoxType = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;

// The ANSI search converts through a MAX_PATH buffer; longer paths are searched through the
// wide function and the record is brought back to the code page.
bool FindLongEntry(const CString& path, WIN32_FIND_DATAA& entry) {
    WIN32_FIND_DATAW wide;
    HANDLE search = FindFirstFileW(WideFilePath(path).c_str(), &wide);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    entry = WIN32_FIND_DATAA();
    entry.dwFileAttributes = wide.dwFileAttributes;
    entry.ftCreationTime = wide.ftCreationTime;
    entry.ftLastAccessTime = wide.ftLastAccessTime;
    entry.ftLastWriteTime = wide.ftLastWriteTime;
    entry.nFileSizeHigh = wide.nFileSizeHigh;
    entry.nFileSizeLow = wide.nFileSizeLow;
    return WideCharToMultiByte(CP_ACP, 0, wide.cFileName, -1, entry.cFileName, sizeof entry.cFileName,
                               nullptr, nullptr) > 0;
}

// The find record of the path itself (not a pattern); false when it cannot be found.
bool FindEntry(const CString& path, WIN32_FIND_DATAA& entry) {
    if (path.size() >= MAX_PATH) return FindLongEntry(path, entry);
    HANDLE search = FindFirstFileA(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
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
    OutputWriter writer(job);
    job.result = 0;
    job.running = 1;
    writer.Begin();
    if (!writer.Open()) {
        AppMessageBox("ファイルが作成できません", kFailureBoxType);
    } else {
        while (!paths.empty()) {
            const CString path = paths.front();
            paths.pop_front();
            ListOnePath(writer, path);
        }
        writer.AddHeaderAndFooter();
        job.result = writer.WriteAndClose();
        if (job.result == 0) AppMessageBox("書き込み中にエラーが発生しました", kFailureBoxType);
    }
    job.running = 0;
}
