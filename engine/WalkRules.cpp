#include "engine/WalkRules.h"

#include <algorithm>
#include <cwchar>

namespace {

bool IsDirectory(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// A junction, a symbolic link or a mount point (Wine shows a Unix link to a folder so too).
bool IsLink(const WIN32_FIND_DATAW& entry) { return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

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

WalkRules::WalkRules(const ListingJob& job, const TextEncoding& encoding, const StopSignal& stop,
                     std::atomic<uint64_t>& inexactNames)
    : job_(job), encoding_(encoding), stop_(stop), inexactNames_(inexactNames), filter_(job.filterList, encoding) {}

bool WalkRules::Step(DirectorySearch& search, const Directory& directory, WalkedEntry& entry) {
    if (!NextWalkedEntry(search, encoding_, stop_, entry)) return false;
    entry.listed = IsListed(entry.record, entry.name);
    entry.entered = Enters(directory, entry.record, entry.name, entry.child);
    if (entry.inexactName && (entry.listed || entry.entered)) inexactNames_.fetch_add(1, std::memory_order_relaxed);
    return true;
}

bool WalkRules::IsListed(const WIN32_FIND_DATAW& entry, const CString& name) const {
    if (IsDirectory(entry) && !job_.options.directoryNames) return false;
    return !job_.options.filter || filter_.Matches(name);
}

bool WalkRules::Enters(const Directory& directory, const WIN32_FIND_DATAW& entry, const CString& name,
                       Directory& child) {
    if (!job_.options.subfolders || !IsDirectory(entry)) return false;
    child.realPath = directory.realPath + entry.cFileName + L"\\";
    child.nameHoldsSeparator = NameHoldsSeparator(entry.cFileName);
    if (!child.nameHoldsSeparator && IsLink(entry) && !LeadsElsewhere(directory, child.realPath)) return false;
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
