#include "settings/SettingsFile.h"

#include "framework/ModuleText.h"

CString SettingsFilePath(const CString& programPath) {
    return programPath.empty() ? CString() : PathWithoutExtension(programPath) + ".ini";
}

SidePaths DeriveSidePaths(const CString& executablePath) {
    SidePaths paths;
    if (executablePath.empty()) return paths;
    paths.settingsFile = SettingsFilePath(executablePath);
    paths.defaultOutput = PathWithoutExtension(executablePath) + ".txt";
    return paths;
}
