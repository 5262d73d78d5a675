#include "DeepFolder.h"

#include <windows.h>

#include "framework/LongPath.h"
#include "TempFolder.h"

DeepFolder::DeepFolder(const std::string& base) : path_(base) {}

DeepFolder::DeepFolder(const std::string& base, size_t minLength) : path_(base) {
    for (int level = 0; path_.size() < minLength; ++level)
        if (!Descend("deep" + std::to_string(level) + std::string(40, 'x'))) break;
}

bool DeepFolder::Descend(const std::string& name) {
    path_ += "\\" + name;
    if (!CreateDirectoryW(RealPath(path_).c_str(), nullptr)) return false;
    folders_.push_back(path_);
    return true;
}

DeepFolder::~DeepFolder() {
    for (const std::string& file : files_) DeleteFileW(RealPath(file).c_str());
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
        RemoveDirectoryW(RealPath(*it).c_str());
}

std::string DeepFolder::WriteFile(const std::string& name, const std::string& content) {
    std::string full = path_ + "\\" + name;
    HANDLE h = CreateFileW(RealPath(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "";
    DWORD written = 0;
    BOOL ok = ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    files_.push_back(full);
    return ok && written == content.size() ? full : "";
}

std::string DeepFolder::CopyIn(const std::string& source, const std::string& name) {
    std::string full = path_ + "\\" + name;
    if (!CopyFileW(RealPath(source).c_str(), RealPath(full).c_str(), FALSE)) return "";
    files_.push_back(full);
    return full;
}
