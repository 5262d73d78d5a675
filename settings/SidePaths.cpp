#include "settings/SettingsFile.h"

#include "framework/ModuleText.h"

SidePaths DeriveSidePaths(const CString& executablePath) {
    SidePaths paths;
    if (executablePath.empty()) return paths;
    const CString base = PathWithoutExtension(executablePath);
    paths.settingsFile = base + ".ini";
    paths.defaultOutput = base + ".txt";
    return paths;
}
