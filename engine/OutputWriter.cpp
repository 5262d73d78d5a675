#include "engine/OutputWriter.h"

#include "format/EntryFormatter.h"
#include "format/TemplateExpander.h"
#include "text/CodePageText.h"

namespace {

// Double-byte aware: a folder ending in a character whose trail byte is 0x5C (such as 表)
// does not end with a separator.
bool EndsWithBackslash(const CString& text) {
    const char* start = text.c_str();
    const char* last = CodePageText::System().Prev(start, start + text.size());
    return last + 1 == start + text.size() && *last == '\\';
}

}  // namespace

void OutputWriter::Begin() {
    CString& folder = job_.options.folder;
    baseLength_ = 0;
    texts_.dirName.clear();
    if (!folder.empty()) {
        if (!EndsWithBackslash(folder)) folder += '\\';
        baseLength_ = folder.size();
        texts_.dirName = folder;
    }
    texts_.outFile = job_.options.outputPath;
    texts_.checksumNeeded = false;
    texts_.versionNeeded = false;
    if (job_.options.useTemplate)
        SetNeededFlags(job_.options.repeatText, texts_.checksumNeeded, texts_.versionNeeded);
}

bool OutputWriter::Open() {
    return job_.writesToHandle ? file_.Attach(job_.outputHandle) : file_.Create(job_.options.outputPath);
}

void OutputWriter::SetDirectory(const CString& directory) {
    texts_.location = directory;
    if (job_.options.pathType == PathType::Absolute) texts_.dir = directory;
    else if (texts_.dirName.empty()) texts_.dir.clear();
    else texts_.dir = directory.substr(baseLength_ < directory.size() ? baseLength_ : directory.size());
}

void OutputWriter::FormatEntry(const WIN32_FIND_DATAA& entry, const CString& name) {
    lines_.InsertLine(::FormatEntry(job_.options, texts_, entry, name, lines_.Count()));
    progress_.entriesFound.fetch_add(1, std::memory_order_relaxed);
}

void OutputWriter::AddHeaderAndFooter() {
    if (!job_.options.useTemplate) return;
    lines_.AddFirst(ExpandTemplate(job_.options.headerText, texts_.placeholders));
    lines_.AddLast(ExpandTemplate(job_.options.footerText, texts_.placeholders));
}

bool OutputWriter::WriteAndClose() {
    progress_.writing.store(true, std::memory_order_relaxed);
    bool written =
        lines_.ForEachLine([this](const char* text, size_t length) { return file_.WriteLine(text, length); });
    lines_.Clear();
    return file_.Close() && written;
}
