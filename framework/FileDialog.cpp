#include "framework/FileDialog.h"

namespace {
// Room for the longest path the system accepts, whatever the initial name was.
const size_t kNameBufferSize = 32768;
}

CString FilterListForSystem(const CString& filterList) {
    CString list;
    list.reserve(filterList.size() + 2);
    for (size_t i = 0; i < filterList.size(); ++i) {
        char c = filterList[i];
        if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < filterList.size()) {
            list += c;
            list += filterList[++i];
        } else {
            list += c == '|' ? '\0' : c;
        }
    }
    // A cut or careless list must still end: the system reads pairs up to an empty string.
    while (list.size() < 2 || list[list.size() - 1] != '\0' || list[list.size() - 2] != '\0')
        list += '\0';
    return list;
}

CFileDialog::CFileDialog(const CString& defaultExtension, const CString& initialFileName, DWORD flags,
                         const CString& filterList, HWND owner)
    : defaultExtension_(defaultExtension), filter_(FilterListForSystem(filterList)), fileName_(initialFileName) {
    fileName_.resize(fileName_.size() + 1 > kNameBufferSize ? fileName_.size() + 1 : kNameBufferSize, '\0');
    request_.lStructSize = sizeof request_;
    request_.hwndOwner = owner;
    request_.lpstrFilter = filter_.c_str();
    request_.nFilterIndex = 1;
    request_.lpstrFile = &fileName_[0];
    request_.nMaxFile = static_cast<DWORD>(fileName_.size());
    request_.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    request_.Flags = flags;
}

INT_PTR CFileDialog::DoModal() { return GetSaveFileNameA(&request_) ? IDOK : IDCANCEL; }

CString CFileDialog::GetPathName() const { return CString(fileName_.c_str()); }
