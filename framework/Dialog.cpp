#include "framework/Dialog.h"

#include "framework/MessageBox.h"

CDialog::CDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    // A Unicode dialog: its edit controls then hold any character typed or pasted, not only
    // those of the ANSI code page.
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), Owner(),
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    return result;
}

HWND CDialog::Owner() const {
    if (parent_) return parent_;
    // Without a parent a secondary dialog is owned by the main window, so that it stays modal
    // over it; the main dialog itself has none yet.
    HWND main = AppMainWindow();
    return IsWindow(main) ? main : nullptr;
}

void CDialog::UpdateData(bool reading) {
    DataExchange dx(window_, reading ? DataExchange::ReadControls : DataExchange::WriteControls);
    Exchange(dx);
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(window_, result); }

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam), lParam) ? TRUE : FALSE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(false);
    return TRUE;
}

bool CDialog::OnCommand(WORD code, WORD id, LPARAM) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return OnButtonClicked(id);
    }
}

bool CDialog::OnButtonClicked(WORD) { return false; }

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::Exchange(DataExchange&) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) return FALSE;
    try {
        return dialog->OnMessage(message, wParam, lParam);
    } catch (...) {
        // An exception must not unwind through the system's dialog manager.
        return FALSE;
    }
}
