#include "engine/DirectorySearch.h"

#include <utility>

namespace {

std::function<DWORD(const std::wstring&)>& SearchFailure() {
    static std::function<DWORD(const std::wstring&)> failure;
    return failure;
}

HANDLE StartSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found) {
    if (SearchFailure())
        if (const DWORD error = SearchFailure()(pattern)) {
            SetLastError(error);
            return INVALID_HANDLE_VALUE;
        }
    // The basic level skips the short name; large fetch reads the directory in bigger pieces.
    HANDLE handle = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    // Systems before Windows 7 know neither and refuse them.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)
        handle = FindFirstFileW(pattern.c_str(), &found);
    return handle;
}

// The ends of a search that read everything there was: no more entries, or none matching
// (a drive's empty root has not even "." and "..").
DWORD FailureOf(DWORD error) {
    return error == ERROR_NO_MORE_FILES || error == ERROR_FILE_NOT_FOUND ? 0 : error;
}

}  // namespace

void SetSearchFailureForTests(std::function<DWORD(const std::wstring& pattern)> failure) {
    SearchFailure() = std::move(failure);
}

DirectorySearch::DirectorySearch(const std::wstring& pattern) {
    if (pattern.empty()) return;
    handle_ = StartSearch(pattern, first_);
    unread_ = handle_ != INVALID_HANDLE_VALUE;
    if (!unread_) error_ = FailureOf(GetLastError());
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
    if (FindNextFileW(handle_, &entry)) return true;
    error_ = FailureOf(GetLastError());
    return false;
}
