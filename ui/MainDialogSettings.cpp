// The main dialog's traffic with the settings file beside the executable.
#include "framework/ModuleText.h"
#include "text/CodePageText.h"
#include "ui/MainDialog.h"
#include "ui/OptionsSettings.h"
#include "ui/res/resource.h"

void CMainDialog::LoadSettings() {
    SidePaths paths = DeriveSidePaths(executablePath);
    settingsFilePath = paths.settingsFile;
    defaultOutputPath = CodePageText::System().ToWide(paths.defaultOutput);
    TemplateTexts builtIn;
    builtIn.header = LoadResourceString(IDS_TEMPLATE_HEADER);
    builtIn.repeat = LoadResourceString(IDS_TEMPLATE_REPEAT);
    builtIn.footer = LoadResourceString(IDS_TEMPLATE_FOOTER);
    ::LoadSettings(settingsFilePath, builtIn, options, expand);
}

void CMainDialog::SaveSettings() {
    UpdateData(true);
    ::SaveSettings(settingsFilePath, options);
}

void CMainDialog::SaveOnClose() {
    UpdateData(true);
    SaveClosingKeys(settingsFilePath, options, expand);
    // A scratch file: whatever wrote it, it goes with the dialog.
    DeleteFileW(defaultOutputPath.c_str());
    EndDialog(IDCANCEL);
}
