#pragma once
// The common Save-As dialog. The filter list is given in the "|"-separated form that ends in
// "||" (ANSI code page, as the settings file keeps it); the chosen path may be of any length
// the dialog allows and holds every character of the real name (UTF-16).
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "framework/Strings.h"

class CFileDialog {
public:
    // defaultExtension: without the dot, appended to a typed name that has none.
    // initialFileName: shown in the name field; its folder decides where the dialog opens.
    CFileDialog(const CString& defaultExtension, const std::wstring& initialFileName, DWORD flags,
                const CString& filterList, HWND owner);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen, IDCANCEL otherwise (also when the dialog failed to open).
    INT_PTR DoModal();
    // The full path chosen; valid after IDOK.
    std::wstring GetPathName() const;

    // The record handed to the system (tests look at it).
    const OPENFILENAMEW& Request() const { return request_; }

private:
    std::wstring defaultExtension_;
    std::wstring filter_;    // string ends instead of "|", ending in two of them
    std::wstring fileName_;  // the name buffer, with room for long paths
    OPENFILENAMEW request_ = {};
};

// "|"-separated list -> the system's form: each "|" (not a double-byte character's second
// byte) becomes a string end; the result always ends in two string ends.
CString FilterListForSystem(const CString& filterList);
