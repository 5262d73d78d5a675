#include "content/ContentReader.h"

#include "content/FileChecksum.h"
#include "content/ReadPause.h"
#include "content/VersionResource.h"

bool ReadEntryContent(const std::wstring& fullPath, DWORD attributes, uint64_t size, const ContentNeeds& needs,
                      const std::atomic<bool>& stopRequest, EntryContent& content) {
    PauseBeforeRead();
    if (needs.checksum)
        content.crc = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? std::string("--------")
                                                              : FileChecksumText(fullPath, &size, &stopRequest);
    if (stopRequest) return false;
    if (needs.version) ReadVersionFields(fullPath, content.version, content.productVersion);
    return true;
}
