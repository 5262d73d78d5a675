#include "format/EntryFormatter.h"

#include <cstdint>
#include <string>

#include "format/FileChecksum.h"
#include "format/PathForms.h"
#include "format/TemplateExpander.h"
#include "format/VersionFields.h"

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

namespace {

// The whole 64-bit size: the low word alone would misstate files of 4 GiB and more.
CString SizeText(const WIN32_FIND_DATAA& entry) {
    uint64_t size = (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
    return std::to_string(size);
}

CString ListFormLine(const ListingOptions& options, const EntryTexts& texts) {
    CString line;
    line.reserve(texts.path.size() + 64);  // the columns fit without growing the line again
    line = texts.path;
    auto column = [&line](const CString& text) { line += '\t'; line += text; };
    if (options.size) column(texts.size);
    if (options.date) column(texts.date);
    if (options.attributes) column(texts.attribute);
    if (options.checksum) column(texts.crc);
    if (options.fileVersion && !texts.version.empty()) column(texts.version);
    if (options.productVersion && !texts.productVersion.empty()) column(texts.productVersion);
    return line;
}

}  // namespace

CString FormatEntry(const ListingOptions& options, EntryTexts& texts, const WIN32_FIND_DATAA& entry,
                    const CString& name, size_t linesBefore) {
    texts.file = name;
    texts.count = std::to_string(linesBefore + 1);
    MakePathText(texts.dir, texts.file, options, texts.path);
    texts.size = SizeText(entry);
    LocalDateText(entry.ftLastWriteTime, texts.date);
    texts.attribute = AttributeLetters(entry.dwFileAttributes);
    const bool checksumNeeded = options.checksum || texts.checksumNeeded;
    const bool versionNeeded = options.fileVersion || options.productVersion || texts.versionNeeded;
    if (checksumNeeded || versionNeeded) {  // most runs need neither: no full path per entry then
        const CString fullPath = texts.location + texts.file;
        if (checksumNeeded) texts.crc = FileChecksumText(fullPath);
        if (versionNeeded) ReadVersionFields(fullPath, texts.version, texts.productVersion);
    }
    if (options.useTemplate) return ExpandTemplate(options.repeatText, texts.placeholders);
    return ListFormLine(options, texts);
}
