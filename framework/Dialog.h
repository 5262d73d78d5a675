#pragma once
// A modal dialog on a dialog template of the executable's resources. One static dialog
// procedure finds the object (stored at WM_INITDIALOG) and forwards to OnMessage; no exception
// leaves into Windows code.
#include <windows.h>
#include <cstdint>

#include "framework/DataExchange.h"

class CDialog {
public:
    // parent null: owned by the application's main window when there is one.
    CDialog(UINT templateId, HWND parent);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog until EndDialog; returns its result, or -1 when it could not be created.
    INT_PTR DoModal();
    HWND Window() const { return window_; }

    // Runs Exchange in one direction: reading = controls into fields.
    void UpdateData(bool reading);

    void EndDialog(INT_PTR result);

    // Control helpers.
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
    bool IsItemEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool IsChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    void SetCheck(int id, bool checked) const {
        CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }

protected:
    // Every message; returns what the dialog procedure returns (TRUE = handled).
    // Overrides handle their own messages and pass the rest to this one.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The value a handled message returns to its sender (most messages: the procedure's TRUE
    // only says "handled").
    void SetMessageResult(LRESULT result) const { SetWindowLongPtrW(window_, DWLP_MSGRESULT, result); }
    // Writes the fields into the controls; TRUE lets Windows focus the first tab stop.
    virtual BOOL OnInitDialog();
    // WM_COMMAND; returns true when handled. The base sends IDOK/IDCANCEL to OnOK/OnCancel and
    // other clicks to OnButtonClicked.
    virtual bool OnCommand(WORD code, WORD id, LPARAM lParam);
    virtual bool OnButtonClicked(WORD id);
    // Reads the controls and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();
    // The bindings between controls and fields.
    virtual void Exchange(DataExchange& dx);

private:
    HWND Owner() const;
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    HWND window_ = nullptr;
};
