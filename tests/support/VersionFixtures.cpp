#include "VersionFixtures.h"

#include <windows.h>
#include <cstdlib>

#include "framework/ModuleText.h"

std::string VersionFixturePath(const std::string& name) {
    const std::string module = ModuleFilePath();
    const std::string beside = module.substr(0, module.find_last_of('\\') + 1) + name;
    if (GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
    const char* build = std::getenv("QM_BUILD_DIR");
    return std::string(build ? build : ".") + "\\tests\\" + name;
}
