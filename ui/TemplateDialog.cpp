#include "ui/TemplateDialog.h"

#include "common/ReadyTemplates.h"
#include "framework/ModuleText.h"
#include "ui/ReadmeHelp.h"
#include "res/resource.h"

CTemplateDialog::CTemplateDialog() : CDialog(IDD_TEMPLATE, nullptr) {}

INT_PTR CTemplateDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        ShowReadme(Window());  // F1
        SetMessageResult(TRUE);
        return TRUE;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CTemplateDialog::AddReadyChoice(UINT labelId) {
    const std::wstring label = LoadResourceText(labelId);
    SendDlgItemMessageW(Window(), IDC_TEMPLATE_READY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
}

BOOL CTemplateDialog::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    // The first line only invites a choice: the texts shown are the caller's until one is made.
    AddReadyChoice(IDS_READY_CHOOSE);
    for (const ReadyTemplate& ready : kReadyTemplates) AddReadyChoice(ready.labelId);
    SendDlgItemMessageW(Window(), IDC_TEMPLATE_READY, CB_SETCURSEL, 0, 0);
    return result;
}

bool CTemplateDialog::OnCommand(WORD code, WORD id, LPARAM lParam) {
    if (id != IDC_TEMPLATE_READY) return CDialog::OnCommand(code, id, lParam);
    if (code == CBN_SELCHANGE) FillFromReadyTemplate();
    return true;
}

void CTemplateDialog::FillFromReadyTemplate() {
    const LRESULT chosen = SendDlgItemMessageW(Window(), IDC_TEMPLATE_READY, CB_GETCURSEL, 0, 0);
    if (chosen < 1 || chosen > static_cast<LRESULT>(kReadyTemplateCount)) return;
    const TemplateTexts texts = LoadReadyTemplate(kReadyTemplates[chosen - 1]);
    headerText = texts.header;
    repeatText = texts.repeat;
    footerText = texts.footer;
    UpdateData(false);
}

void CTemplateDialog::Exchange(DataExchange& dx) {
    dx.Text(IDC_TEMPLATE_FOOTER, footerText);
    dx.Text(IDC_TEMPLATE_HEADER, headerText);
    dx.Text(IDC_TEMPLATE_REPEAT, repeatText);
}
