#include "VersionFixtures.h"

#include "framework/ModuleText.h"

std::string VersionFixturePath(const std::string& name) {
    // The build folder has no double-byte names: the last backslash is the separator.
    const std::string module = ModuleFilePath();
    return module.substr(0, module.find_last_of('\\') + 1) + name;
}
