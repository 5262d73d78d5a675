#include "TempFolder.h"

#include <atomic>
#include <cstdio>
#include <stdexcept>

#include "framework/LongPath.h"
#include "text/CodePageText.h"

namespace {

// Every part of the path from the temporary folder on, made by its real name.
void MakeFolders(const std::wstring& base, const std::wstring& full) {
    for (size_t i = base.size() + 1; i <= full.size(); ++i)
        if (i == full.size() || full[i] == L'\\') CreateDirectoryW(ExtendedPath(full.substr(0, i)).c_str(), nullptr);
}

void WriteContent(const std::wstring& full, const std::string& content) {
    HANDLE h = CreateFileW(ExtendedPath(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof base, base);
    std::string root(base, n);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    // Names left by an earlier process of the same id are skipped; any other failure is final.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char name[64];
        std::snprintf(name, sizeof name, "\\qmtest-%lu-%d", GetCurrentProcessId(), ++counter);
        path_ = root + name;
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    const DWORD error = GetLastError();
    throw std::runtime_error("TempFolder: cannot create " + path_ + " (error " + std::to_string(error) + ")");
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::operator/(const std::string& relative) const { return path_ + "\\" + relative; }

std::string TempFolder::MakeDir(const std::string& relative) const {
    MakeFolders(Wide(path_), Wide(*this / relative));
    return *this / relative;
}

std::string TempFolder::WriteFile(const std::string& relative, const std::string& content) const {
    WriteFile(Wide(relative), content);
    return *this / relative;
}

std::wstring TempFolder::MakeDir(const std::wstring& relative) const {
    const std::wstring full = Wide(path_) + L"\\" + relative;
    MakeFolders(Wide(path_), full);
    return full;
}

std::wstring TempFolder::WriteFile(const std::wstring& relative, const std::string& content) const {
    const std::wstring full = Wide(path_) + L"\\" + relative;
    const size_t slash = full.rfind(L'\\');
    MakeFolders(Wide(path_), full.substr(0, slash));
    WriteContent(full, content);
    return full;
}

bool TempFolder::WriteSparseFile(const std::string& relative, long long size) const {
    const std::wstring full = WriteFile(Wide(relative), "");
    HANDLE file = CreateFileW(ExtendedPath(full).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = size;
    const bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return made;
}

std::string ReadWholeFile(const std::string& path) { return ReadWholeFile(Wide(path)); }

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE h = CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(h);
    return content;
}

std::string IniValue(const std::string& file, const char* section, const char* key) {
    char value[1024];
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, file.c_str());
    return value;
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
    HANDLE h = CreateFileW(RealPath(path).c_str(), FILE_WRITE_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BOOL ok = SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
    return ok != FALSE;
}

namespace {

void RemoveWideTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            const bool folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            // A link to a folder goes itself; what it leads to is not this tree's.
            if (folder && !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) RemoveWideTree(child);
            else if (!DeleteFileW(child.c_str())) RemoveDirectoryW(child.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveWideTree(RealPath(path)); }

std::wstring Wide(const std::string& ansi) { return CodePageText::System().ToWide(ansi); }

std::string Narrow(const std::wstring& wide) { return CodePageText::System().FromWide(wide); }

std::wstring RealPath(const std::string& ansi) { return ExtendedPath(Wide(ansi)); }
