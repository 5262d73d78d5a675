#pragma once
// The texts only placeholder forms read, made only when a template uses those forms: the name
// texts made again from the file system's UTF-16 names in UTF-8 (the json and url forms write
// them, so a name the output's code page cannot hold is still written exactly), and DATE in
// ISO form.
#include <windows.h>

#include <string>

#include "format/FoundEntry.h"
#include "format/ListingOptions.h"
#include "format/PlaceholderForms.h"
#include "framework/Strings.h"
#include "text/TextEncoding.h"

struct FormTexts {
    bool realNamesUsed = false;  // a json or url form of a name text
    bool isoDateUsed = false;
    bool Any() const { return realNamesUsed || isoDateUsed; }

    // UTF-8, as FILE, PATH, DIR, LOCATION, DIRNAME and OUTFILE are in the output's encoding.
    CString file, path, dir, location, dirName, outFile;
    CString urlPath;  // PATH as the file system names it: neither the URL switch nor the
                      // case switches apply to a link, which the url form makes on its own
    CString isoDate;

    // Notes which of these the run's three template texts ask for (template mode only).
    void NoteUsedForms(const ListingOptions& options, const TextEncoding& encoding);
    // The run's folder (ending in "\"; empty for dropped paths) and output path.
    void BeginRun(const std::wstring& folder, const std::wstring& outputPath);
    // The directory whose entries follow, by its real path (see framework/LongPath.h).
    void SetDirectory(const std::wstring& realPath, PathType pathType);
    void SetEntry(const FoundEntry& entry, const ListingOptions& options);

    // The UTF-8 text that the json or url form of this upper-case name writes; null when the
    // name is not a name text.
    const CString* RealText(const CString& upperName, PlaceholderForm form) const;

private:
    std::wstring folder_;        // as the user typed it
    std::wstring rootRealPath_;  // its real path, which the walk's real paths begin with
};
