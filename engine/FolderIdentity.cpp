#include "engine/FolderIdentity.h"

#include <windows.h>

#include <cstring>

#include "framework/FileHandle.h"

namespace {

// FILE_ID_INFO and its class number (Windows 8 and later: 128-bit identifiers, as ReFS has
// them); the headers for Windows 7, which the program still runs on, leave them out.
struct FileIdInformation {
    ULONGLONG volumeSerialNumber;
    BYTE fileId[16];
};
const FILE_INFO_BY_HANDLE_CLASS kFileIdInfo = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);

// Where the parts below the root begin: "\\?\C:\" or "\\?\UNC\server\share\".
size_t RootLength(const std::wstring& realPath) {
    const std::wstring unc = L"\\\\?\\UNC\\";
    if (realPath.compare(0, unc.size(), unc) != 0) return 7;  // "\\?\C:\"
    const size_t server = realPath.find(L'\\', unc.size());
    const size_t share = server == std::wstring::npos ? server : realPath.find(L'\\', server + 1);
    return share == std::wstring::npos ? realPath.size() : share + 1;
}

}  // namespace

bool ReadFolderIdentity(const std::wstring& realPath, FolderIdentity& identity) {
    // Backup semantics open a folder; without FILE_FLAG_OPEN_REPARSE_POINT a link is followed.
    const FileHandle folder(realPath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS);
    if (!folder.IsOpen()) return false;
    FileIdInformation id;
    BY_HANDLE_FILE_INFORMATION info;
    bool read = false;
    if (GetFileInformationByHandleEx(folder.Get(), kFileIdInfo, &id, sizeof id)) {
        identity.volume = id.volumeSerialNumber;
        std::memcpy(&identity.fileLow, id.fileId, sizeof identity.fileLow);
        std::memcpy(&identity.fileHigh, id.fileId + 8, sizeof identity.fileHigh);
        read = true;
    } else if (GetFileInformationByHandle(folder.Get(), &info)) {  // systems before Windows 8
        identity.volume = info.dwVolumeSerialNumber;
        identity.fileLow = static_cast<uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
        identity.fileHigh = 0;
        read = true;
    }
    return read;
}

std::vector<FolderIdentity> FolderAndAncestors(const std::wstring& realPath) {
    std::vector<FolderIdentity> identities;
    const size_t root = RootLength(realPath);
    std::wstring path = realPath;
    for (;;) {
        FolderIdentity identity;
        if (ReadFolderIdentity(path, identity)) identities.push_back(identity);
        if (path.size() <= root) break;
        // Up one part: drop the trailing "\" and the last name, keep the "\" before it.
        const size_t end = path.back() == L'\\' ? path.size() - 1 : path.size();
        const size_t slash = path.rfind(L'\\', end - 1);
        if (slash == std::wstring::npos || slash + 1 < root) break;
        path.resize(slash + 1);
    }
    return identities;
}
