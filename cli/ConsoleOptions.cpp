#include "cli/ConsoleOptions.h"

#include <windows.h>

#include <string>

#include "cli/WideText.h"
#include "engine/PathListing.h"
#include "framework/ModuleText.h"
#include "settings/SettingsFile.h"
#include "ui/OptionsSettings.h"
#include "ui/res/resource.h"

namespace {

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FindSettingsFile(const ConsoleRequest& request, CString& file, CString& error) {
    if (request.settingsFile.empty()) {
        file = AnsiFromWide(DirectoryWithBackslash(WideFromAnsi(ModuleFilePath())) + L"quillmark.ini");
        return true;
    }
    // The profile functions look for a name without a folder in the Windows folder: make it full.
    const wchar_t* named = request.settingsFile.c_str();
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(named, static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(named, length, &full[0], nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    // A scheduled task with a mistyped name must fail, not list with the defaults.
    if (full.empty() || !IsFile(full)) {
        error = "設定ファイルが見つかりません: " + AnsiFromWide(request.settingsFile);
        return false;
    }
    file = AnsiFromWide(full);
    return true;
}

}  // namespace

bool LoadConsoleOptions(const ConsoleRequest& request, ListingOptions& options, CString& error) {
    CString settingsFile;
    if (!FindSettingsFile(request, settingsFile, error)) return false;
    TemplateTexts builtIn;
    builtIn.header = LoadResourceString(IDS_TEMPLATE_HEADER);
    builtIn.repeat = LoadResourceString(IDS_TEMPLATE_REPEAT);
    builtIn.footer = LoadResourceString(IDS_TEMPLATE_FOOTER);
    bool expand = false;  // the dialog's own
    LoadSettings(settingsFile, builtIn, options, expand);
    // DIRNAME and FILENAME are the dialog's fields: the command line names both.
    options.folder = request.folder;
    options.outputPath = request.output;
    for (const auto& change : request.overrides) change(options);
    return true;
}
