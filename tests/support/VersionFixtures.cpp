#include "VersionFixtures.h"

#include <windows.h>
#include <cstdlib>

std::string VersionFixturePath(const std::string& name) {
    std::string module(MAX_PATH, '\0');
    DWORD n;
    while ((n = GetModuleFileNameA(nullptr, &module[0], static_cast<DWORD>(module.size()))) ==
           module.size())
        module.resize(module.size() * 2);
    module.resize(n);
    const std::string beside = module.substr(0, module.find_last_of('\\') + 1) + name;
    if (GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
    const char* build = std::getenv("QM_BUILD_DIR");
    return std::string(build ? build : ".") + "\\tests\\" + name;
}
