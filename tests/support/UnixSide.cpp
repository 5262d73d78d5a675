#include "UnixSide.h"

#include <windows.h>

#include "WaitUntil.h"

namespace {

using UnixFileName = char*(CDECL*)(const WCHAR*);

// Single quotes for the shell: nothing inside is special but the quote itself.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// One argument of a Windows command line, which Wine splits into the Unix program's argv:
// double quotes, with backslashes doubled before a quote.
std::string WindowsArgument(const std::string& text) {
    std::string argument = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        argument.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        argument += c;
    }
    argument.append(2 * backslashes, '\\');
    return argument + "\"";
}

}  // namespace

std::string UnixPath(const std::string& windowsPath) {
    auto convert = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return std::string();
    const int n = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], n);
    char* unix = convert(wide.c_str());
    if (!unix) return std::string();
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

bool RunUnixShell(const std::string& script) {
    // Wine starts a Unix program apart from its own processes: its handle says nothing about
    // when it ends or how. The script marks its success with a file, which is waited for.
    char folder[MAX_PATH + 1];
    GetTempPathA(sizeof folder, folder);
    const std::string marker = std::string(folder) + "qm-unix-done-" + std::to_string(GetCurrentProcessId());
    const std::string unixMarker = UnixPath(marker);
    if (unixMarker.empty()) return false;
    DeleteFileA(marker.c_str());
    std::string command = "/bin/sh -c " + WindowsArgument("(" + script + ") && touch " + Quoted(unixMarker));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA("Z:\\bin\\sh", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!WaitUntil([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 120000))
        return false;
    DeleteFileA(marker.c_str());
    return true;
}

bool MakeFolderLink(const std::string& link, const std::string& target) {
    const std::string unixLink = UnixPath(link);
    if (!unixLink.empty()) return RunUnixShell("ln -s " + Quoted(target) + " " + Quoted(unixLink));
    std::string windowsTarget = target;
    for (char& c : windowsTarget)
        if (c == '/') c = '\\';
    return CreateSymbolicLinkA(link.c_str(), windowsTarget.c_str(),
                               SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != FALSE;
}
