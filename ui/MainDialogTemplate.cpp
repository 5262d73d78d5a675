// The template settings button: edits the three texts the next runs will use.
#include "ui/MainDialog.h"
#include "ui/TemplateDialog.h"

void CMainDialog::OnEditTemplate() {
    // The main dialog's controls take no part: what is typed there stays as it is.
    CTemplateDialog dialog;
    dialog.footerText = options.footerText;
    dialog.headerText = options.headerText;
    dialog.repeatText = options.repeatText;
    if (dialog.DoModal() != IDOK) return;
    options.footerText = dialog.footerText;
    options.headerText = dialog.headerText;
    options.repeatText = dialog.repeatText;
}
