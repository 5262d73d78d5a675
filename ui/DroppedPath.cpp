#include "ui/DroppedPath.h"

#include "text/CodePageText.h"

DroppedFileParts SplitDroppedFile(const CString& path) {
    const CodePageText& text = CodePageText::System();
    DroppedFileParts parts;
    parts.folder = path;
    if (path.empty()) return parts;
    const char* start = path.c_str();
    const char* end = start + path.size();
    // From the last character back: the first dot met ends the name's extension, the first
    // backslash met ends the folder part.
    for (const char* p = text.Prev(start, end);; p = text.Prev(start, p)) {
        if (*p == '\\') {
            parts.folder.assign(start, p);
            break;
        }
        if (*p == '.' && !parts.hasExtension) {
            parts.hasExtension = true;
            parts.extension.assign(p + 1, end);
        }
        if (p == start) break;
    }
    return parts;
}

bool HasBackslash(const CString& path) {
    const CodePageText& text = CodePageText::System();
    for (const char* p = path.c_str(); *p; p = text.Next(p)) {
        if (*p == '\\') return true;
    }
    return false;
}
