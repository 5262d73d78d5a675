#include "format/EntryContent.h"

ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts) {
    ContentNeeds needs;
    const ContentNeeds& used = texts.templateNeeds;
    needs.checksum = options.checksum || used.checksum;
    needs.sha256 = options.sha256 || used.sha256;
    needs.sha1 = used.sha1;
    needs.md5 = used.md5;
    needs.version = options.fileVersion || options.productVersion || used.version;
    return needs;
}
