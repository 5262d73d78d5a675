// The main dialog's traffic with the settings file beside the executable.
#include "common/OptionsSettings.h"
#include "framework/MessageBox.h"
#include "framework/ModuleText.h"
#include "text/CodePageText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

// One box for all the keys of a Save or a close that were not kept.
void ReportUnsavedSettings(const std::wstring& settingsFile) {
    const CString text = LoadResourceString(IDS_SETTINGS_NOT_WRITTEN) + CodePageText::System().FromWide(settingsFile);
    AppMessageBox(text.c_str(), MB_OK);
}

}  // namespace

void CMainDialog::LoadSettings() {
    SidePaths paths = DeriveSidePaths(executablePath);
    settingsFilePath = paths.settingsFile;
    defaultOutputPath = paths.defaultOutput;
    ::LoadSettings(settingsFilePath, BuiltInTemplateTexts(), options, expand);
}

void CMainDialog::SaveSettings() {
    UpdateData(true);
    if (!::SaveSettings(settingsFilePath, options)) ReportUnsavedSettings(settingsFilePath);
}

void CMainDialog::SaveOnClose() {
    UpdateData(true);
    // The dialog closes all the same: the user has been told what was not kept.
    if (!SaveClosingKeys(settingsFilePath, options, expand)) ReportUnsavedSettings(settingsFilePath);
    // A scratch file: whatever wrote it, it goes with the dialog.
    DeleteFileW(defaultOutputPath.c_str());
    EndDialog(IDCANCEL);
}
