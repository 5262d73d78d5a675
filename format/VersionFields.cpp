#include "format/VersionFields.h"

#include <windows.h>
#include <cstdio>
#include <vector>

namespace {

std::string FourNumbers(DWORD ms, DWORD ls) {
    char text[64];
    std::snprintf(text, sizeof text, "%lu,%lu,%lu,%lu", static_cast<unsigned long>(ms >> 16),
                  static_cast<unsigned long>(ms & 0xFFFF), static_cast<unsigned long>(ls >> 16),
                  static_cast<unsigned long>(ls & 0xFFFF));
    return text;
}

}  // namespace

void ReadVersionFields(const std::string& fullPath, std::string& version,
                       std::string& productVersion) {
    version.clear();
    productVersion.clear();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(fullPath.c_str(), &handle);
    if (size == 0) return;
    std::vector<char> data(size + 1);
    if (!GetFileVersionInfoA(fullPath.c_str(), handle, size, data.data())) return;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info) return;
    version = FourNumbers(info->dwFileVersionMS, info->dwFileVersionLS);
    productVersion = FourNumbers(info->dwProductVersionMS, info->dwProductVersionLS);
}
