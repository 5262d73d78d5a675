#include "format/EntryContent.h"

#include "format/FileChecksum.h"
#include "format/VersionFields.h"

ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts) {
    ContentNeeds needs;
    needs.checksum = options.checksum || texts.checksumNeeded;
    needs.version = options.fileVersion || options.productVersion || texts.versionNeeded;
    return needs;
}

void ReadEntryContent(const std::wstring& fullPath, DWORD attributes, uint64_t size, const ContentNeeds& needs,
                      const std::atomic<bool>* stopRequest, EntryContent& content) {
    if (needs.checksum)
        content.crc = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? std::string("--------")
                                                              : FileChecksumText(fullPath, &size, stopRequest);
    if (stopRequest && *stopRequest) return;
    if (needs.version) ReadVersionFields(fullPath, content.version, content.productVersion);
}
