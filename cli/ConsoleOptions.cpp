#include "cli/ConsoleOptions.h"

#include <string>

#include "cli/WideText.h"
#include "common/OptionsSettings.h"
#include "framework/LongPath.h"
#include "framework/MessageText.h"
#include "framework/ModuleText.h"
#include "settings/SettingsFile.h"
#include "res/resource.h"

namespace {

// The program beside us whose settings file a console run reads.
const wchar_t kDialogProgramName[] = L"quillmark.exe";

bool FindSettingsFile(const ConsoleRequest& request, std::wstring& file, std::wstring& error) {
    if (request.settingsFile.empty()) {
        file = SettingsFilePath(ProgramFolder() + kDialogProgramName);
        return true;
    }
    // The profile functions look for a name without a folder in the Windows folder: make it full.
    const std::wstring full = FullPath(request.settingsFile);
    // A scheduled task with a mistyped name must fail, not list with the defaults.
    if (full.empty() || !IsFile(full)) {
        error = FillIn(LoadResourceText(IDS_CLI_NO_SETTINGS), {ShownPath(request.settingsFile)});
        const DWORD attributes = full.empty() ? 0 : GetFileAttributesW(ExtendedPath(full).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) error += L" (" + SystemErrorText(GetLastError()) + L")";
        return false;
    }
    file = full;
    return true;
}

}  // namespace

bool LoadConsoleOptions(const ConsoleRequest& request, ListingOptions& options, std::wstring& error) {
    std::wstring settingsFile;
    if (!FindSettingsFile(request, settingsFile, error)) return false;
    bool expand = false;  // the dialog's own
    LoadSettings(SettingsFile(settingsFile), BuiltInTemplateTexts(), options, expand);
    // DIRNAME and FILENAME are the dialog's fields: the command line names both.
    options.folder = request.folder;
    options.outputPath = request.output;
    options.compare = false;  // COMPARE is the dialog's (its output file); here --compare names one
    for (const auto& change : request.overrides) change(options);
    return true;
}
