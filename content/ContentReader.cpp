#include "content/ContentReader.h"

#include "content/FileChecksum.h"
#include "content/Md5.h"
#include "content/Sha1.h"
#include "content/Sha256.h"
#include "content/VersionResource.h"

namespace {

void SetDigestTexts(const ContentDigests& digests, const ContentNeeds& needs, EntryContent& content) {
    if (needs.checksum) content.crc = digests.CrcText();
    if (needs.sha256) content.sha256 = digests.Sha256Text();
    if (needs.sha1) content.sha1 = digests.Sha1Text();
    if (needs.md5) content.md5 = digests.Md5Text();
}

// Dashes of each digest's length, as the CRC has always had.
void SetUnreadDigests(EntryContent& content) {
    content.crc = kUnreadCrc;
    content.sha256 = UnreadDigest(kSha256Size);
    content.sha1 = UnreadDigest(kSha1Size);
    content.md5 = UnreadDigest(kMd5Size);
}

}  // namespace

bool ReadEntryContent(const std::wstring& fullPath, DWORD attributes, const ContentNeeds& needs,
                      const StopSignal& stop, EntryContent& content) {
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    content.unreadError = 0;
    if (needs.AnyDigest()) {
        ContentDigests digests(needs);
        if (!folder && DigestFile(fullPath, digests, stop, &content.unreadError))
            SetDigestTexts(digests, needs, content);
        else
            SetUnreadDigests(content);
    }
    if (stop.IsRequested()) return false;
    if (needs.version) {
        DWORD error = 0;
        ReadVersionFields(fullPath, content.version, content.productVersion, &error);
        if (!folder && !content.unreadError) content.unreadError = error;
    }
    return true;
}

void SetUnreadContent(DWORD error, EntryContent& content) {
    SetUnreadDigests(content);
    content.version.clear();
    content.productVersion.clear();
    content.unreadError = error;
}
