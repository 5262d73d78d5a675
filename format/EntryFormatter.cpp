#include "format/EntryFormatter.h"

#include <cstdint>
#include <string>

#include "format/EntryFields.h"
#include "format/PathForms.h"
#include "format/TemplateExpander.h"

EntryFormatter::EntryFormatter(const ListingOptions& options, const TextEncoding& encoding, EntryTexts& texts)
    : options_(options),
      encoding_(encoding),
      texts_(texts),
      repeat_(options.useTemplate ? options.repeatText : CString(), texts.placeholders, encoding, &texts.forms),
      needs_(NeededContent(options, texts)) {}

void EntryFormatter::MakeListLine() {
    line_.assign(texts_.path);
    auto column = [this](const CString& text) {
        line_ += '\t';
        line_ += text;
    };
    if (options_.size) column(texts_.size);
    if (options_.date) column(texts_.date);
    if (options_.attributes) column(texts_.attribute);
    if (options_.checksum) column(texts_.crc);
    if (options_.fileVersion && !texts_.version.empty()) column(texts_.version);
    if (options_.productVersion && !texts_.productVersion.empty()) column(texts_.productVersion);
}

void EntryFormatter::Format(const FoundEntry& entry, size_t linesBefore, const EntryContent* content) {
    texts_.file = entry.name;
    texts_.count = std::to_string(linesBefore + 1);
    MakePathText(texts_.dir, texts_.file, options_, encoding_, texts_.path);
    texts_.size = std::to_string(entry.size);
    LocalDateText(entry.written, texts_.date);
    texts_.attribute = AttributeLetters(entry.attributes);
    if (texts_.forms.Any()) texts_.forms.SetEntry(entry, options_);
    if (content) {
        if (needs_.checksum) texts_.crc = content->crc;
        if (needs_.version) {
            texts_.version = content->version;
            texts_.productVersion = content->productVersion;
        }
    }
    if (options_.useTemplate)
        repeat_.ExpandInto(line_, entry.IsDirectory() ? EntryKind::FolderEntry : EntryKind::FileEntry);
    else MakeListLine();
}
