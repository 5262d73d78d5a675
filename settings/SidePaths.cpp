#include "settings/SettingsFile.h"

#include "framework/ModuleText.h"

std::wstring SettingsFilePath(const std::wstring& programPath) {
    return programPath.empty() ? std::wstring() : PathWithoutExtension(programPath) + L".ini";
}

SidePaths DeriveSidePaths(const std::wstring& executablePath) {
    SidePaths paths;
    if (executablePath.empty()) return paths;
    paths.settingsFile = SettingsFilePath(executablePath);
    paths.defaultOutput = PathWithoutExtension(executablePath) + L".txt";
    return paths;
}
