#include "format/EntryContent.h"

#include "format/FileChecksum.h"
#include "format/VersionFields.h"

ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts) {
    ContentNeeds needs;
    needs.checksum = options.checksum || texts.checksumNeeded;
    needs.version = options.fileVersion || options.productVersion || texts.versionNeeded;
    return needs;
}

void ReadEntryContent(const std::wstring& fullPath, const ContentNeeds& needs, const std::atomic<bool>* stopRequest,
                      EntryContent& content) {
    if (needs.checksum) content.crc = FileChecksumText(fullPath);
    if (stopRequest && *stopRequest) return;
    if (needs.version) ReadVersionFields(fullPath, content.version, content.productVersion);
}
