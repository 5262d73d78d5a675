#include "format/EntryFormatter.h"

#include <cstdint>
#include <string>

#include "format/PathForms.h"
#include "format/TemplateExpander.h"

void LocalDateText(const FILETIME& utc, CString& date) {
    date.clear();
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return;
    if (st.wYear > 9999) return;
    // "%Y/%m/%d %H:%M:%S" by hand: this runs once per entry, and a formatted print costs more
    // than the rest of the line.
    char text[] = "0000/00/00 00:00:00";
    auto put = [&text](size_t end, unsigned value, int digits) {
        for (; digits > 0; --digits, value /= 10) text[--end] = static_cast<char>('0' + value % 10);
    };
    put(4, st.wYear, 4);
    put(7, st.wMonth, 2);
    put(10, st.wDay, 2);
    put(13, st.wHour, 2);
    put(16, st.wMinute, 2);
    put(19, st.wSecond, 2);
    date.assign(text, sizeof text - 1);
}

CString AttributeLetters(DWORD attributes) {
    CString letters = "     ";
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) letters[0] = 'D';
    if (attributes & FILE_ATTRIBUTE_READONLY) letters[1] = 'R';
    if (attributes & FILE_ATTRIBUTE_ARCHIVE) letters[2] = 'A';
    if (attributes & FILE_ATTRIBUTE_HIDDEN) letters[3] = 'H';
    if (attributes & FILE_ATTRIBUTE_SYSTEM) letters[4] = 'S';
    return letters;
}

uint64_t FoundSize(const WIN32_FIND_DATAW& entry) {
    return (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

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

void EntryFormatter::Format(const WIN32_FIND_DATAW& entry, const CString& name, size_t linesBefore,
                            const EntryContent* content) {
    texts_.file = name;
    texts_.count = std::to_string(linesBefore + 1);
    MakePathText(texts_.dir, texts_.file, options_, encoding_, texts_.path);
    texts_.size = std::to_string(FoundSize(entry));
    LocalDateText(entry.ftLastWriteTime, texts_.date);
    texts_.attribute = AttributeLetters(entry.dwFileAttributes);
    if (texts_.forms.Any()) texts_.forms.SetEntry(entry, options_);
    if (content) {
        if (needs_.checksum) texts_.crc = content->crc;
        if (needs_.version) {
            texts_.version = content->version;
            texts_.productVersion = content->productVersion;
        }
    }
    if (options_.useTemplate) repeat_.ExpandInto(line_);
    else MakeListLine();
}
