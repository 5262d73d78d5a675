#include "framework/FileDialog.h"

namespace {
// Room for the longest path the system accepts, whatever the initial name was.
const size_t kNameBufferSize = 32768;

// ANSI code page text, string ends included, in UTF-16.
std::wstring Widen(const CString& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}
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

CFileDialog::CFileDialog(const CString& defaultExtension, const std::wstring& initialFileName, DWORD flags,
                         const CString& filterList, HWND owner)
    : defaultExtension_(Widen(defaultExtension)),
      filter_(Widen(FilterListForSystem(filterList))),
      fileName_(initialFileName) {
    fileName_.resize(fileName_.size() + 1 > kNameBufferSize ? fileName_.size() + 1 : kNameBufferSize, L'\0');
    request_.lStructSize = sizeof request_;
    request_.hwndOwner = owner;
    request_.lpstrFilter = filter_.c_str();
    request_.nFilterIndex = 1;
    request_.lpstrFile = &fileName_[0];
    request_.nMaxFile = static_cast<DWORD>(fileName_.size());
    request_.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    request_.Flags = flags;
}

INT_PTR CFileDialog::DoModal() { return GetSaveFileNameW(&request_) ? IDOK : IDCANCEL; }

std::wstring CFileDialog::GetPathName() const { return std::wstring(fileName_.c_str()); }
