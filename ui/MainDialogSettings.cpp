// The main dialog's traffic with the settings file beside the executable.
#include "common/OptionsSettings.h"
#include "framework/MessageBox.h"
#include "framework/ModuleText.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

// One box for all the keys of a Save or a close that were not kept.
void ReportUnsavedSettings(const std::wstring& settingsFile) {
    AppMessageBox(LoadResourceText(IDS_SETTINGS_NOT_WRITTEN) + settingsFile, MB_OK);
}

}  // namespace

void CMainDialog::LoadSettings() {
    SidePaths paths = DeriveSidePaths(executablePath);
    settingsFile = SettingsFile(paths.settingsFile);
    defaultOutputPath = paths.defaultOutput;
    ::LoadSettings(settingsFile, BuiltInTemplateTexts(), options, expand);
}

void CMainDialog::SaveSettings() {
    UpdateData(true);
    if (!::SaveSettings(settingsFile, options)) {
        ReportUnsavedSettings(settingsFile.Path());
        return;
    }
    // Said in the caption until the next run: a Save that changes nothing in sight looks
    // like one that did nothing.
    SetWindowTextW(Window(), (NormalCaption() + LoadResourceText(IDS_CAPTION_SAVED)).c_str());
}

void CMainDialog::SaveOnClose() {
    UpdateData(true);
    // The dialog closes all the same: the user has been told what was not kept.
    if (!SaveClosingKeys(settingsFile, options, expand)) ReportUnsavedSettings(settingsFile.Path());
    // A scratch file: whatever wrote it, it goes with the dialog.
    DeleteFileW(defaultOutputPath.c_str());
    EndDialog(IDCANCEL);
}
