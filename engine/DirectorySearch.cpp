#include "engine/DirectorySearch.h"

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

}  // namespace

DirectorySearch::DirectorySearch(const std::wstring& pattern) {
    if (pattern.empty()) return;
    handle_ = StartSearch(pattern, first_);
    unread_ = handle_ != INVALID_HANDLE_VALUE;
}

DirectorySearch::~DirectorySearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

bool DirectorySearch::Next(WIN32_FIND_DATAW& entry) {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    if (unread_) {
        unread_ = false;
        entry = first_;
        return true;
    }
    return FindNextFileW(handle_, &entry) != FALSE;
}
