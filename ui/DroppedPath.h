#pragma once
// What the choices for one dropped file need from its path: the folder that holds it and the
// extension of its name. Only the dialog takes drops: this lives beside MainDialogDrops, apart
// from it so that it can be tested without a window.
#include <string>

struct DroppedFileParts {
    std::wstring folder;        // the path up to its last "\", without it; the whole path if none
    bool hasExtension = false;  // the name has a dot
    std::wstring extension;     // the text after the name's last dot, letter case kept
};

// A dot in a folder name (before the last "\") is never the extension.
DroppedFileParts SplitDroppedFile(const std::wstring& path);

// Whether the path has a "\" anywhere.
bool HasBackslash(const std::wstring& path);
