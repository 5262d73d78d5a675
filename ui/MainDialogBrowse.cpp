// Choosing the folder to list and the output file through the system's dialogs.
#include "framework/FileDialog.h"
#include "framework/ModuleText.h"
#include "ui/FolderBrowser.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

void CMainDialog::OnBrowseFolder() {
    UpdateData(true);  // a folder typed but not confirmed is the one to preselect
    CFolderBrowser browser(options.folder);
    if (browser.Browse() != IDOK) return;
    options.folder = browser.ResultPath();
    UpdateData(false);
}

void CMainDialog::OnChooseOutput() {
    UpdateData(true);
    SaveFileChoices choices = settingsFile.ReadSaveFileChoices(LoadResourceString(IDS_SAVE_FILTER));
    CFileDialog dialog(choices.defaultExtension, options.outputPath, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       choices.filter, Window());
    if (dialog.DoModal() != IDOK) return;
    options.outputPath = dialog.GetPathName();
    UpdateData(false);
}
