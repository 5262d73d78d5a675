#include "ui/DroppedPath.h"

DroppedFileParts SplitDroppedFile(const std::wstring& path) {
    DroppedFileParts parts;
    parts.folder = path;
    const size_t slash = path.rfind(L'\\');
    if (slash != std::wstring::npos) parts.folder = path.substr(0, slash);
    const size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
    const size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && dot >= nameStart) {
        parts.hasExtension = true;
        parts.extension = path.substr(dot + 1);
    }
    return parts;
}

bool HasBackslash(const std::wstring& path) { return path.find(L'\\') != std::wstring::npos; }
