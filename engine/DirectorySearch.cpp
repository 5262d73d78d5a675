#include "engine/DirectorySearch.h"

#include <cstring>

#include "framework/LongPath.h"
#include "text/CodePageText.h"

namespace {

HANDLE StartSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found) {
    // The basic level skips the short name; large fetch reads the directory in bigger pieces.
    HANDLE handle = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    // Systems before Windows 7 know neither and refuse them.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
        handle = FindFirstFileW(pattern.c_str(), &found);
    return handle;
}

void ToAnsi(const wchar_t* wide, CString& text) {
    const size_t wideLength = std::wcslen(wide);
    // No ANSI code page takes more than three bytes for a UTF-16 unit: one call does it.
    text.resize(3 * wideLength + 1);
    const int n = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(wideLength), &text[0],
                                      static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
}

// At most 259 bytes, never cutting a double-byte character in two.
void CopyName(const CString& name, char (&record)[MAX_PATH]) {
    const CodePageText& text = CodePageText::System();
    const char* end = name.c_str();
    if (name.size() < MAX_PATH) end += name.size();
    while (*end) {
        const char* next = text.Next(end);
        if (next - name.c_str() > MAX_PATH - 1) break;
        end = next;
    }
    const size_t length = static_cast<size_t>(end - name.c_str());
    std::memcpy(record, name.data(), length);
    record[length] = '\0';
}

}  // namespace

DirectorySearch::DirectorySearch(const CString& pattern) {
    const std::wstring widePattern = WideFilePath(pattern);
    if (widePattern.empty()) return;
    handle_ = StartSearch(widePattern, found_);
    unread_ = handle_ != INVALID_HANDLE_VALUE;
}

DirectorySearch::~DirectorySearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

bool DirectorySearch::Next(WIN32_FIND_DATAA& entry) {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    if (!unread_ && !FindNextFileW(handle_, &found_)) return false;
    unread_ = false;
    entry.dwFileAttributes = found_.dwFileAttributes;
    entry.ftCreationTime = found_.ftCreationTime;
    entry.ftLastAccessTime = found_.ftLastAccessTime;
    entry.ftLastWriteTime = found_.ftLastWriteTime;
    entry.nFileSizeHigh = found_.nFileSizeHigh;
    entry.nFileSizeLow = found_.nFileSizeLow;
    entry.dwReserved0 = found_.dwReserved0;
    entry.dwReserved1 = found_.dwReserved1;
    ToAnsi(found_.cFileName, name_);
    CopyName(name_, entry.cFileName);
    entry.cAlternateFileName[0] = '\0';
    return true;
}
