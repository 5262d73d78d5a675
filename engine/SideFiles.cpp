#include "engine/SideFiles.h"

void SideFiles::Add(const std::wstring& creationPath) {
    SideFile file;
    if (!ReadFolderIdentity(creationPath, file.identity)) return;
    const size_t separator = creationPath.find_last_of(L"\\/");
    file.name = creationPath.substr(separator == std::wstring::npos ? 0 : separator + 1);
    while (!file.name.empty() && (file.name.back() == L'.' || file.name.back() == L' ')) file.name.pop_back();
    files_.push_back(file);
}

bool SideFiles::Holds(const std::wstring& directoryPath, const wchar_t* name) const {
    // The name first, without regard to case: only an entry of the same name costs a look-up.
    for (const SideFile& file : files_) {
        if (CompareStringOrdinal(name, -1, file.name.c_str(), -1, TRUE) != CSTR_EQUAL) continue;
        FolderIdentity identity;
        if (ReadFolderIdentity(directoryPath + name, identity) && identity == file.identity) return true;
    }
    return false;
}
