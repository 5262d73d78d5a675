#include "ui/TemplateDialog.h"

#include "framework/AppHelp.h"
#include "ui/res/resource.h"

CTemplateDialog::CTemplateDialog() : CDialog(IDD_TEMPLATE, nullptr) {}

INT_PTR CTemplateDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        ShowContextHelp(*reinterpret_cast<const HELPINFO*>(lParam), IDS_HELP_FAILED);
        SetMessageResult(TRUE);
        return TRUE;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CTemplateDialog::Exchange(DataExchange& dx) {
    dx.Text(IDC_TEMPLATE_FOOTER, footerText);
    dx.Text(IDC_TEMPLATE_HEADER, headerText);
    dx.Text(IDC_TEMPLATE_REPEAT, repeatText);
}
