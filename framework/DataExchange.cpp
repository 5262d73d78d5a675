#include "framework/DataExchange.h"

namespace {

bool IsRadioButton(HWND control) {
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

// Code-page text (a template's parts, kept as the settings file's bytes): the system converts
// it, as it converts what the program writes in that code page.
void DataExchange::Text(int id, CString& field) {
    HWND control = GetDlgItem(dialog_, id);
    if (!Reading()) {
        SetWindowTextA(control, field.c_str());
        return;
    }
    int length = GetWindowTextLengthA(control);
    CString text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(control, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    field = text;
}

void DataExchange::Text(int id, std::wstring& field) {
    HWND control = GetDlgItem(dialog_, id);
    if (!Reading()) {
        SetWindowTextW(control, field.c_str());
        return;
    }
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(control, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    field = text;
}

void DataExchange::Check(int id, bool& field) {
    if (Reading()) field = IsDlgButtonChecked(dialog_, id) != BST_UNCHECKED;
    else CheckDlgButton(dialog_, id, field ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Radio(int firstId, int32_t& field) {
    HWND control = GetDlgItem(dialog_, firstId);
    if (Reading()) field = -1;
    int32_t index = 0;
    while (control) {
        if (IsRadioButton(control)) {
            if (Reading()) {
                if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) field = index;
            } else {
                SendMessageW(control, BM_SETCHECK, index == field ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
        if (control && (GetWindowLongW(control, GWL_STYLE) & WS_GROUP)) break;
    }
}
