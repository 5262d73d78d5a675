#include "format/FileChecksum.h"

#include <windows.h>
#include <cstdio>
#include <memory>

#include "format/Crc32.h"
#include "framework/LongPath.h"

namespace {

// Large enough that the read calls cost nothing beside the CRC, small enough to stay cached.
const DWORD kBlockSize = 1 << 20;

bool CrcOfOpenFile(HANDLE file, uint64_t size, uint32_t& crc) {
    const DWORD blockSize = size < kBlockSize ? static_cast<DWORD>(size) : kBlockSize;
    std::unique_ptr<unsigned char[]> block(new unsigned char[blockSize ? blockSize : 1]);
    crc = 0;
    for (uint64_t remaining = size; remaining > 0;) {
        const DWORD want = remaining < blockSize ? static_cast<DWORD>(remaining) : blockSize;
        DWORD got = 0;
        // A short read means the content is not what the size promised: no CRC then.
        if (!ReadFile(file, block.get(), want, &got, nullptr) || got != want) return false;
        crc = Crc32Update(crc, block.get(), got);
        remaining -= got;
    }
    return true;
}

}  // namespace

bool FileCrc32(const std::wstring& fullPath, uint32_t& crc) {
    const std::wstring path = ExtendedPath(fullPath);
    if (path.empty()) return false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
              !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    if (ok) {
        const uint64_t size = static_cast<uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
        ok = CrcOfOpenFile(file, size, crc);
    }
    CloseHandle(file);
    return ok;
}

std::string FileChecksumText(const std::wstring& fullPath) {
    uint32_t crc = 0;
    if (!FileCrc32(fullPath, crc)) return "--------";
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(crc));
    return text;
}
