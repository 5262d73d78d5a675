#include "content/ContentReader.h"

#include "content/FileChecksum.h"
#include "content/VersionResource.h"

bool ReadEntryContent(const std::wstring& fullPath, DWORD attributes, const ContentNeeds& needs,
                      const StopSignal& stop, EntryContent& content) {
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    content.unreadError = 0;
    if (needs.checksum)
        content.crc = folder ? std::string("--------") : FileChecksumText(fullPath, stop, &content.unreadError);
    if (stop.IsRequested()) return false;
    if (needs.version) {
        DWORD error = 0;
        ReadVersionFields(fullPath, content.version, content.productVersion, &error);
        if (!folder && !content.unreadError) content.unreadError = error;
    }
    return true;
}

void SetUnreadContent(DWORD error, EntryContent& content) {
    content.crc = "--------";
    content.version.clear();
    content.productVersion.clear();
    content.unreadError = error;
}
