#include "engine/WalkRules.h"

#include <algorithm>
#include <cwchar>

namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// The folder above a real path that ends in "\", with its "\".
std::wstring ParentPath(const std::wstring& realPath) {
    const size_t slash = realPath.size() < 2 ? std::wstring::npos : realPath.rfind(L'\\', realPath.size() - 2);
    return slash == std::wstring::npos ? realPath : realPath.substr(0, slash + 1);
}

}  // namespace

bool NameHoldsSeparator(const wchar_t* name) { return std::wcspbrk(name, L"\\/") != nullptr; }

bool NextWalkedEntry(DirectorySearch& search, const TextEncoding& encoding, const StopSignal& stop,
                     WalkedEntry& entry) {
    WIN32_FIND_DATAW& record = entry.record;
    do {
        if (!search.Next(record) || stop) return false;
    } while (IsDirectory(record) && record.cFileName[0] == L'.');
    if (NameHoldsSeparator(record.cFileName)) {  // in UTF-16: a code page's trail byte may be 0x5C
        std::wstring shown = record.cFileName;
        std::replace(shown.begin(), shown.end(), L'\\', L'?');
        std::replace(shown.begin(), shown.end(), L'/', L'?');
        entry.inexactName = !encoding.FromWide(shown.data(), shown.size(), entry.name);
    } else {
        entry.inexactName = !encoding.FromWide(record.cFileName, std::wcslen(record.cFileName), entry.name);
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
    if (exclusions_.Exclude(directory.realPath, directory.belowListed, entry.record.cFileName)) {
        entry.listed = entry.entered = false;
        return true;
    }
    entry.listed = IsListed(entry.record);
    entry.entered = Enters(directory, entry.record, entry.name, entry.child);
    if (entry.inexactName && (entry.listed || entry.entered)) inexactNames_.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool WalkRules::IsListed(const WIN32_FIND_DATAW& entry) const {
    if (IsDirectory(entry) && !job_.options.directoryNames) return false;
    return !job_.options.filter || filter_.Matches(entry.cFileName);
}

bool WalkRules::Enters(const Directory& directory, const WIN32_FIND_DATAW& entry, const CString& name,
                       Directory& child) {
    if (!job_.options.subfolders || !IsDirectory(entry)) return false;
    child.nameHoldsSeparator = NameHoldsSeparator(entry.cFileName);
    // A folder whose name holds a separator is handed on beyond the depth too: the walk records
    // it unread when it turns to it, as its line leaves to the walk (OutputWriter::FormatEntry).
    if (job_.options.depth != 0 && directory.level + 1 >= job_.options.depth && !child.nameHoldsSeparator)
        return false;
    child.realPath = directory.realPath + entry.cFileName + L"\\";
    child.enteredAsFolder = !IsLink(entry);
    if (!child.nameHoldsSeparator && !child.enteredAsFolder && !LeadsElsewhere(directory.realPath, child.realPath))
        return false;
    child.created = entry.ftCreationTime;
    child.written = entry.ftLastWriteTime;
    child.text = directory.text + name + "\\";
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
