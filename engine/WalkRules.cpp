#include "engine/WalkRules.h"

#include <algorithm>

namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

}  // namespace

WalkRules::WalkRules(const ListingJob& job, const TextEncoding& encoding)
    : job_(job), filter_(job.filterList, encoding) {}

bool WalkRules::IsSkipped(const WIN32_FIND_DATAW& entry) { return IsDirectory(entry) && entry.cFileName[0] == L'.'; }

bool WalkRules::IsListed(const WIN32_FIND_DATAW& entry, const CString& name) const {
    if (IsDirectory(entry) && !job_.options.directoryNames) return false;
    return !job_.options.filter || filter_.Matches(name);
}

bool WalkRules::Enters(const Directory& directory, const WIN32_FIND_DATAW& entry, const CString& name,
                       Directory& child) {
    if (!job_.options.subfolders || !IsDirectory(entry)) return false;
    child.realPath = directory.realPath + entry.cFileName + L"\\";
    if (IsLink(entry) && !LeadsElsewhere(directory, child.realPath)) return false;
    child.text = directory.text + name + "\\";
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
