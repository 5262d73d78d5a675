#include "content/VersionResource.h"

#include <windows.h>

#include <vector>

#include "format/VersionFields.h"
#include "framework/LongPath.h"

namespace {

// The first member of every genuine fixed-information record.
const DWORD kFixedInfoSignature = 0xFEEF04BD;

}  // namespace

void ReadVersionFields(const std::wstring& fullPath, std::string& version,
                       std::string& productVersion) {
    version.clear();
    productVersion.clear();
    // The version functions go through the loader: the plain path wherever it will do.
    const std::wstring path = PlainPathWherePossible(fullPath);
    if (path.empty()) return;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return;
    std::vector<char> data(static_cast<size_t>(size) + 1);
    if (!GetFileVersionInfoW(path.c_str(), handle, size, data.data())) return;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return;
    // A damaged resource can declare a root block shorter than the record, or hold one without
    // the record's signature: its numbers would be whatever bytes are there, so none are read.
    if (length < sizeof(VS_FIXEDFILEINFO) || info->dwSignature != kFixedInfoSignature) return;
    version = VersionNumberText(info->dwFileVersionMS, info->dwFileVersionLS);
    productVersion = VersionNumberText(info->dwProductVersionMS, info->dwProductVersionLS);
}
