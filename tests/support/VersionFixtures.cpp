#include "VersionFixtures.h"

#include "framework/ModuleText.h"
#include "support/TempFolder.h"

std::string VersionFixturePath(const std::string& name) {
    return Narrow(ProgramFolder()) + name;
}
