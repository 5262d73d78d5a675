#include "content/VersionResource.h"

#include <windows.h>

#include <vector>

#include "format/VersionFields.h"
#include "framework/LongPath.h"

namespace {

// The first member of every genuine fixed-information record.
const DWORD kFixedInfoSignature = 0xFEEF04BD;

// The failures that say the file itself could not be reached or read. Any other (no resource,
// not an executable) is a file without versions.
bool IsReadFailure(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_CRC:
    case ERROR_NOT_READY:
    case ERROR_HANDLE_EOF:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_DEV_NOT_EXIST:
        return true;
    default:
        return false;
    }
}

}  // namespace

void ReadVersionFields(const std::wstring& fullPath, std::string& version,
                       std::string& productVersion, unsigned long* error) {
    if (error) *error = 0;
    version.clear();
    productVersion.clear();
    // The version functions go through the loader: the plain path wherever it will do.
    const std::wstring path = PlainPathWherePossible(fullPath);
    if (path.empty()) return;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) {
        if (error && IsReadFailure(GetLastError())) *error = GetLastError();
        return;
    }
    std::vector<char> data(static_cast<size_t>(size) + 1);
    if (!GetFileVersionInfoW(path.c_str(), handle, size, data.data())) {
        if (error && IsReadFailure(GetLastError())) *error = GetLastError();
        return;
    }
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
