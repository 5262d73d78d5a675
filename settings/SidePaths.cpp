#include "settings/SettingsFile.h"

#include "text/CodePageText.h"

namespace {

// Where the executable's extension starts, or npos when its file name has none. The first
// byte is never taken, and a dot in a folder name is not an extension.
size_t FindExtension(const CString& path) {
    const CodePageText& cp = CodePageText::System();
    size_t dot = CString::npos;
    size_t i = 0;
    while (i < path.size()) {
        char c = path[i];
        if (c == '\\' || c == '/') dot = CString::npos;
        else if (c == '.' && i > 0) dot = i;
        bool pair = cp.IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < path.size();
        i += pair ? 2 : 1;
    }
    return dot;
}

}  // namespace

SidePaths DeriveSidePaths(const CString& executablePath) {
    SidePaths paths;
    if (executablePath.empty()) return paths;
    CString base = executablePath.substr(0, FindExtension(executablePath));
    paths.settingsFile = base + ".ini";
    paths.defaultOutput = base + ".txt";
    return paths;
}
