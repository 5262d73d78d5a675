#include "format/FileChecksum.h"

#include <windows.h>
#include <cstdio>
#include <vector>

#include "format/Crc32.h"

std::string FileChecksumText(const std::string& fullPath) {
    static const char kUnreadable[] = "--------";
    HANDLE file = CreateFileA(fullPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kUnreadable;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    // Read in blocks: memory stays bounded and files of 4 GiB and more get their true CRC.
    std::vector<unsigned char> block(1 << 20);
    uint32_t crc = 0;
    LONGLONG remaining = size.QuadPart;
    while (ok && remaining > 0) {
        DWORD want = static_cast<DWORD>(remaining < static_cast<LONGLONG>(block.size()) ? remaining : block.size());
        DWORD got = 0;
        ok = ReadFile(file, block.data(), want, &got, nullptr) && got == want;
        if (ok) crc = Crc32Update(crc, block.data(), got);
        remaining -= got;
    }
    CloseHandle(file);
    if (!ok) return kUnreadable;
    char text[9];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(crc));
    return text;
}
