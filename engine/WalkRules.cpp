#include "engine/WalkRules.h"

#include <algorithm>
#include <cwchar>

namespace {

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const FoundEntry& entry) { return (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

// The one place the separator rule is decided: a path built from such a name names another
// entry.
bool NameHoldsSeparator(const wchar_t* name) { return std::wcspbrk(name, L"\\/") != nullptr; }

void Found(const WIN32_FIND_DATAW& record, FoundEntry& entry) {
    entry.attributes = record.dwFileAttributes;
    entry.size = (static_cast<uint64_t>(record.nFileSizeHigh) << 32) | record.nFileSizeLow;
    entry.created = record.ftCreationTime;
    entry.written = record.ftLastWriteTime;
    entry.realName.assign(record.cFileName);
    entry.unreadError = NameHoldsSeparator(record.cFileName) ? ERROR_INVALID_NAME : 0;
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// The folder above a real path that ends in "\", with its "\".
std::wstring ParentPath(const std::wstring& realPath) {
    const size_t slash = realPath.size() < 2 ? std::wstring::npos : realPath.rfind(L'\\', realPath.size() - 2);
    return slash == std::wstring::npos ? realPath : realPath.substr(0, slash + 1);
}

}  // namespace

bool NextWalkedEntry(DirectorySearch& search, const TextEncoding& encoding, const StopSignal& stop,
                     WalkedEntry& entry) {
    WIN32_FIND_DATAW record;
    do {
        if (!search.Next(record) || stop) return false;
    } while ((record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && record.cFileName[0] == L'.');
    FoundEntry& found = entry.found;
    Found(record, found);
    if (found.unreadError == ERROR_INVALID_NAME) {  // in UTF-16: a code page's trail byte may be 0x5C
        std::wstring shown = found.realName;
        std::replace(shown.begin(), shown.end(), L'\\', L'?');
        std::replace(shown.begin(), shown.end(), L'/', L'?');
        entry.inexactName = !encoding.FromWide(shown.data(), shown.size(), found.name);
    } else {
        entry.inexactName = !encoding.FromWide(found.realName.data(), found.realName.size(), found.name);
    }
    return true;
}

Directory ListedDirectory(const CString& text, const std::wstring& realPath) {
    Directory listed;
    listed.text = text;
    listed.realPath = realPath;
    listed.belowListed = realPath.size();
    return listed;
}

WalkRules::WalkRules(const ListingJob& job, const TextEncoding& encoding, const StopSignal& stop,
                     std::atomic<uint64_t>& inexactNames)
    : job_(job),
      encoding_(encoding),
      stop_(stop),
      inexactNames_(inexactNames),
      filter_(job.filterList, encoding),
      exclusions_(job.excludedNames, job.excludedPaths, encoding) {}

bool WalkRules::Step(DirectorySearch& search, const Directory& directory, WalkedEntry& entry) {
    if (!NextWalkedEntry(search, encoding_, stop_, entry)) return false;
    if (exclusions_.Exclude(directory.realPath, directory.belowListed, entry.found.realName.c_str())) {
        entry.listed = entry.entered = false;
        return true;
    }
    entry.listed = IsListed(entry.found);
    entry.entered = Enters(directory, entry.found, entry.child);
    if (entry.inexactName && (entry.listed || entry.entered)) inexactNames_.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool WalkRules::IsListed(const FoundEntry& entry) const {
    if (entry.IsDirectory() && !job_.options.directoryNames) return false;
    return !job_.options.filter || filter_.Matches(entry.realName.c_str());
}

bool WalkRules::Enters(const Directory& directory, const FoundEntry& entry, Directory& child) {
    if (!job_.options.subfolders || !entry.IsDirectory()) return false;
    child.unreadError = entry.unreadError;
    // An unread folder is handed on beyond the depth too: the walk records it unread when it
    // turns to it, as its line leaves to the walk (EntryIntake::Add).
    if (job_.options.depth != 0 && directory.level + 1 >= job_.options.depth && !child.unreadError) return false;
    child.realPath = directory.realPath + entry.realName + L"\\";
    child.enteredAsFolder = !IsLink(entry);
    if (!child.unreadError && !child.enteredAsFolder && !LeadsElsewhere(directory.realPath, child.realPath))
        return false;
    child.created = entry.created;
    child.written = entry.written;
    child.text = directory.text + entry.name + "\\";
    child.belowListed = directory.belowListed;
    child.level = directory.level + 1;
    return true;
}

bool WalkRules::MayRead(const DirectorySearch& search, const Directory& directory) {
    if (!directory.enteredAsFolder) return true;
    const WIN32_FIND_DATAW* self = search.First();
    if (self && std::wcscmp(self->cFileName, L".") == 0 && SameTime(self->ftCreationTime, directory.created) &&
        SameTime(self->ftLastWriteTime, directory.written))
        return true;
    // Changed since its entry was read: mostly its own contents, but it may be a link now.
    const std::wstring path = directory.realPath.substr(0, directory.realPath.size() - 1);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    return LeadsElsewhere(ParentPath(directory.realPath), directory.realPath);
}

bool WalkRules::LeadsElsewhere(const std::wstring& directoryPath, const std::wstring& linkPath) {
    FolderIdentity target;
    if (!ReadFolderIdentity(linkPath, target)) return false;
    if (ancestorsOf_ != directoryPath) {  // read once per directory that holds links
        ancestors_ = FolderAndAncestors(directoryPath);
        ancestorsOf_ = directoryPath;
    }
    return std::find(ancestors_.begin(), ancestors_.end(), target) == ancestors_.end();
}
