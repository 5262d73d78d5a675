#include "format/EntryFormatter.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "format/FileChecksum.h"
#include "format/PathForms.h"
#include "format/TemplateExpander.h"
#include "format/VersionFields.h"

CString LocalDateText(const FILETIME& utc) {
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return CString();
    if (st.wYear > 9999) return CString();
    char text[32];
    std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u:%02u", unsigned{st.wYear},
                  unsigned{st.wMonth}, unsigned{st.wDay}, unsigned{st.wHour}, unsigned{st.wMinute},
                  unsigned{st.wSecond});
    return text;
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

CString ListFormLine(const FormatSwitches& switches, const EntryTexts& texts) {
    CString line = texts.path;
    auto column = [&line](const CString& text) { line += '\t'; line += text; };
    if (switches.size) column(texts.size);
    if (switches.date) column(texts.date);
    if (switches.attributes) column(texts.attribute);
    if (switches.checksum) column(texts.crc);
    if (switches.fileVersion && !texts.version.empty()) column(texts.version);
    if (switches.productVersion && !texts.productVersion.empty()) column(texts.productVersion);
    return line;
}

}  // namespace

CString FormatEntry(const FormatSwitches& switches, EntryTexts& texts, const WIN32_FIND_DATAA& entry,
                    size_t linesBefore) {
    texts.file = entry.cFileName;
    texts.count = std::to_string(linesBefore + 1);
    texts.path = MakePathText(texts.dir, texts.file, switches);
    texts.size = SizeText(entry);
    texts.date = LocalDateText(entry.ftLastWriteTime);
    texts.attribute = AttributeLetters(entry.dwFileAttributes);
    const CString fullPath = texts.location + texts.file;
    if (switches.checksum || texts.checksumNeeded) texts.crc = FileChecksumText(fullPath);
    if (switches.fileVersion || switches.productVersion || texts.versionNeeded)
        ReadVersionFields(fullPath, texts.version, texts.productVersion);
    if (switches.useTemplate) return ExpandTemplate(switches.repeatText, texts.placeholders);
    return ListFormLine(switches, texts);
}
