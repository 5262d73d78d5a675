#include "engine/OutputWriter.h"

#include "format/EntryFormatter.h"
#include "format/TemplateExpander.h"
#include "text/CodePageText.h"

namespace {

FormatSwitches SwitchesOf(const ListingJob& job) {
    FormatSwitches s;
    s.pathType = job.pathType;
    s.upperCase = job.upperCase;
    s.lowerCase = job.lowerCase;
    s.url = job.url;
    s.size = job.size;
    s.date = job.date;
    s.attributes = job.attributes;
    s.checksum = job.checksum;
    s.fileVersion = job.fileVersion;
    s.productVersion = job.productVersion;
    s.useTemplate = job.useTemplate;
    s.repeatText = job.repeatText;
    return s;
}

// Double-byte aware: a folder ending in a character whose trail byte is 0x5C (such as 表)
// does not end with a separator.
bool EndsWithBackslash(const CString& text) {
    const char* start = text.c_str();
    const char* last = CodePageText::System().Prev(start, start + text.size());
    return last + 1 == start + text.size() && *last == '\\';
}

}  // namespace

OutputWriter::OutputWriter(ListingJob& job) : job_(job), switches_(SwitchesOf(job)) {}

int OutputWriter::Begin() {
    baseLength_ = 0;
    texts_.dirName.clear();
    if (!job_.folder.empty()) {
        if (!EndsWithBackslash(job_.folder)) job_.folder += '\\';
        baseLength_ = job_.folder.size();
        texts_.dirName = job_.folder;
    }
    texts_.outFile = job_.outputPath;
    texts_.checksumNeeded = 0;
    texts_.versionNeeded = 0;
    if (job_.useTemplate) SetNeededFlags(job_.repeatText, texts_.checksumNeeded, texts_.versionNeeded);
    return 1;
}

int OutputWriter::Open() { return file_.Create(job_.outputPath) ? 1 : 0; }

int OutputWriter::SetDirectory(const CString& directory) {
    texts_.location = directory;
    if (switches_.pathType == 0) texts_.dir = directory;
    else if (texts_.dirName.empty()) texts_.dir.clear();
    else texts_.dir = directory.substr(baseLength_ < directory.size() ? baseLength_ : directory.size());
    return 1;
}

int OutputWriter::FormatEntry(const WIN32_FIND_DATAA& entry, const CString& name) {
    lines_.InsertLine(::FormatEntry(switches_, texts_, entry, name, lines_.Count()));
    return 1;
}

int OutputWriter::AddHeaderAndFooter() {
    if (!switches_.useTemplate) return 1;
    lines_.AddFirst(ExpandTemplate(job_.headerText, texts_.placeholders));
    lines_.AddLast(ExpandTemplate(job_.footerText, texts_.placeholders));
    return 1;
}

int OutputWriter::WriteAndClose() {
    bool written =
        lines_.ForEachLine([this](const char* text, size_t length) { return file_.WriteLine(text, length); });
    lines_.Clear();
    written = file_.Close() && written;
    return written ? 1 : 0;
}
