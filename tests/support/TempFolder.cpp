#include "TempFolder.h"

#include <atomic>
#include <cstdio>

namespace {

std::string Extended(const std::string& path) {
    if (path.size() < MAX_PATH - 12 || path.compare(0, 4, "\\\\?\\") == 0) return path;
    return "\\\\?\\" + path;
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof base, base);
    std::string root(base, n);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    for (;;) {
        char name[64];
        std::snprintf(name, sizeof name, "\\qmtest-%lu-%d", GetCurrentProcessId(), ++counter);
        path_ = root + name;
        if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(const std::string& relative) const { return path_ + "\\" + relative; }

std::string TempFolder::MakeDir(const std::string& relative) const {
    std::string full = *this / relative;
    for (size_t i = path_.size() + 1; i <= full.size(); ++i) {
        if (i == full.size() || full[i] == '\\') {
            // Only split at a byte that is not the trail of a double-byte character.
            bool trail = false;
            for (size_t j = 0; j < i; ++j) {
                if (IsDBCSLeadByte(static_cast<BYTE>(full[j]))) { if (j + 1 == i) trail = true; ++j; }
            }
            if (trail) continue;
            CreateDirectoryA(Extended(full.substr(0, i)).c_str(), nullptr);
        }
    }
    return full;
}

std::string TempFolder::WriteFile(const std::string& relative, const std::string& content) const {
    std::string full = *this / relative;
    const char* start = full.c_str();
    const char* slash = nullptr;
    for (const char* p = start; *p; p = CharNextA(p)) if (*p == '\\') slash = p;
    if (slash && static_cast<size_t>(slash - start) > path_.size())
        MakeDir(full.substr(path_.size() + 1, slash - start - path_.size() - 1));
    HANDLE h = CreateFileA(Extended(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
    }
    return full;
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE h = CreateFileA(Extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(h);
    return content;
}

bool SetLastWriteTime(const std::string& path, int year, int month, int day, int hour, int minute,
                      int second) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft)) return false;
    HANDLE h = CreateFileA(Extended(path).c_str(), FILE_WRITE_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BOOL ok = SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
    return ok != FALSE;
}

void RemoveTree(const std::string& path) {
    std::string base = Extended(path);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((base + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(Extended(child).c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else DeleteFileA(Extended(child).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(base.c_str());
}
