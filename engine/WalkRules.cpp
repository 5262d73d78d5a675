#include "engine/WalkRules.h"

#include <algorithm>
#include <cwchar>

namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

}  // namespace

bool NextWalkedEntry(DirectorySearch& search, const TextEncoding& encoding, const StopSignal& stop,
                     WalkedEntry& entry) {
    WIN32_FIND_DATAW& record = entry.record;
    do {
        if (!search.Next(record) || stop) return false;
    } while (IsDirectory(record) && record.cFileName[0] == L'.');
    encoding.FromWide(record.cFileName, std::wcslen(record.cFileName), entry.name);
    return true;
}

Directory ListedDirectory(const CString& text, const std::wstring& realPath) {
    return Directory{text, realPath, text.size(), 0};
}

WalkRules::WalkRules(const ListingJob& job, const TextEncoding& encoding, const StopSignal& stop)
    : job_(job),
      encoding_(encoding),
      stop_(stop),
      filter_(job.filterList, encoding),
      exclusions_(job.excludedNames, job.excludedPaths, encoding) {}

bool WalkRules::Step(DirectorySearch& search, const Directory& directory, WalkedEntry& entry) {
    if (!NextWalkedEntry(search, encoding_, stop_, entry)) return false;
    if (exclusions_.Exclude(directory.text, directory.belowListed, entry.name)) {
        entry.listed = entry.entered = false;
        return true;
    }
    entry.listed = IsListed(entry.record, entry.name);
    entry.entered = Enters(directory, entry.record, entry.name, entry.child);
    return true;
}

bool WalkRules::IsListed(const WIN32_FIND_DATAW& entry, const CString& name) const {
    if (IsDirectory(entry) && !job_.options.directoryNames) return false;
    return !job_.options.filter || filter_.Matches(name);
}

bool WalkRules::Enters(const Directory& directory, const WIN32_FIND_DATAW& entry, const CString& name,
                       Directory& child) {
    if (!job_.options.subfolders || !IsDirectory(entry)) return false;
    if (job_.options.depth != 0 && directory.level + 1 >= job_.options.depth) return false;
    child.realPath = directory.realPath + entry.cFileName + L"\\";
    if (IsLink(entry) && !LeadsElsewhere(directory, child.realPath)) return false;
    child.text = directory.text + name + "\\";
    child.belowListed = directory.belowListed;
    child.level = directory.level + 1;
    return true;
}

bool WalkRules::LeadsElsewhere(const Directory& directory, const std::wstring& linkPath) {
    FolderIdentity target;
    if (!ReadFolderIdentity(linkPath, target)) return false;
    if (ancestorsOf_ != directory.realPath) {  // read once per directory that holds links
        ancestors_ = FolderAndAncestors(directory.realPath);
        ancestorsOf_ = directory.realPath;
    }
    return std::find(ancestors_.begin(), ancestors_.end(), target) == ancestors_.end();
}
