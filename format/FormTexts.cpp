#include "format/FormTexts.h"

#include <algorithm>

#include "format/PathForms.h"
#include "format/TemplateParse.h"
#include "framework/LongPath.h"
#include "text/Utf8Text.h"

namespace {

const Utf8Text& Utf8() { return Utf8Text::Instance(); }

// A real path back in the form a user writes: "\\?\C:\x" as "C:\x", "\\?\UNC\s\x" as "\\s\x".
std::wstring WithoutExtendedPrefix(const std::wstring& path) {
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
    return path;
}

}  // namespace

void FormTexts::NoteUsedForms(const ListingOptions& options, const TextEncoding& encoding) {
    realNamesUsed = isoDateUsed = false;
    if (!options.useTemplate) return;
    for (const CString* text : {&options.headerText, &options.repeatText, &options.footerText}) {
        ForEachPlaceholder(*text, encoding, [this](const CString& name) {
            CString baseName;
            PlaceholderForm form;
            if (!SplitPlaceholderForm(name, baseName, form)) return;
            isoDateUsed = isoDateUsed || form == PlaceholderForm::Iso;
            realNamesUsed = realNamesUsed || RealText(baseName, form) != nullptr;
        });
    }
}

void FormTexts::BeginRun(const std::wstring& folder, const std::wstring& outputPath) {
    folder_ = folder;
    rootRealPath_ = folder.empty() ? std::wstring() : ExtendedPath(folder);
    dirName = Utf8().FromWide(folder);
    outFile = Utf8().FromWide(outputPath);
}

void FormTexts::SetDirectory(const std::wstring& realPath, PathType pathType) {
    // The walk's real paths are the folder's real path and the names below it; the text the
    // user reads begins with the folder as typed, as LOCATION does.
    const bool belowFolder = !rootRealPath_.empty() && realPath.compare(0, rootRealPath_.size(), rootRealPath_) == 0;
    location = Utf8().FromWide(belowFolder ? folder_ + realPath.substr(rootRealPath_.size())
                                           : WithoutExtendedPrefix(realPath));
    if (pathType == PathType::Absolute) dir = location;
    else if (dirName.empty()) dir.clear();
    else dir = location.substr(dirName.size() < location.size() ? dirName.size() : location.size());
}

void FormTexts::SetEntry(const FoundEntry& entry, const ListingOptions& options) {
    if (isoDateUsed) IsoDateText(entry.written, isoDate);
    if (!realNamesUsed) return;
    Utf8().FromWide(entry.realName.data(), entry.realName.size(), file);
    // A name from a share of another system may hold a separator: it names this entry alone.
    std::replace(file.begin(), file.end(), '\\', '?');
    std::replace(file.begin(), file.end(), '/', '?');
    MakePathText(dir, file, options, Utf8(), path);
    urlPath.assign(dir).append(file);
}

const CString* FormTexts::RealText(const CString& upperName, PlaceholderForm form) const {
    if (form != PlaceholderForm::Json && form != PlaceholderForm::Url) return nullptr;
    if (upperName == "FILE") return &file;
    if (upperName == "PATH") return form == PlaceholderForm::Url ? &urlPath : &path;
    if (upperName == "DIR") return &dir;
    if (upperName == "LOCATION") return &location;
    if (upperName == "DIRNAME") return &dirName;
    if (upperName == "OUTFILE") return &outFile;
    return nullptr;
}
