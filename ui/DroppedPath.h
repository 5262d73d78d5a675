#pragma once
// What the choices for one dropped file need from its path: the folder that holds it and the
// extension of its name.
#include "framework/Strings.h"

struct DroppedFileParts {
    CString folder;             // the path up to its last "\", without it; the whole path if none
    bool hasExtension = false;  // the name has a dot
    CString extension;          // the text after the name's last dot, letter case kept
};

// Double-byte aware: a trail byte equal to "\" or "." is never taken for one. A dot in a
// folder name (before the last "\") is never the extension.
DroppedFileParts SplitDroppedFile(const CString& path);

// Whether the path has a real "\" anywhere (double-byte aware).
bool HasBackslash(const CString& path);
