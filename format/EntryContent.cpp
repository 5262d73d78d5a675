#include "format/EntryContent.h"

ContentNeeds NeededContent(const ListingOptions& options, const EntryTexts& texts) {
    ContentNeeds needs;
    needs.checksum = options.checksum || texts.checksumNeeded;
    needs.version = options.fileVersion || options.productVersion || texts.versionNeeded;
    return needs;
}
