#pragma once
// Edits the three template texts: header, repeat text and footer; a ready template can fill them.
#include "framework/Dialog.h"
#include "framework/Strings.h"

class CTemplateDialog : public CDialog {
public:
    // Owned by the application's main window; the texts start empty and are filled by the caller.
    CTemplateDialog();

    CString footerText;
    CString headerText;
    CString repeatText;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD code, WORD id, LPARAM lParam) override;
    void Exchange(DataExchange& dx) override;

private:
    // One line of the ready templates' list: its words from the string table.
    void AddReadyChoice(UINT labelId);
    // The ready template chosen in the list fills the three edits.
    void FillFromReadyTemplate();
};
