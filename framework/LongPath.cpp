#include "framework/LongPath.h"

#include <vector>

namespace {

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

std::wstring CurrentFolder() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0) return std::wstring();
    std::wstring folder(n, L'\0');
    n = GetCurrentDirectoryW(n, &folder[0]);
    folder.resize(n < folder.size() ? n : 0);
    return folder;
}

// Splits an absolute path into its root ("\\?\C:" or "\\?\UNC\server\share") and the rest.
bool SplitRoot(const std::wstring& path, std::wstring& root, std::wstring& rest) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && path[2] == L'\\') {
        root = L"\\\\?\\" + path.substr(0, 2);
        rest = path.substr(3);
        return true;
    }
    if (StartsWith(path, L"\\\\")) {
        const size_t server = path.find(L'\\', 2);
        if (server == std::wstring::npos || server == 2) return false;
        const size_t share = path.find(L'\\', server + 1);
        root = L"\\\\?\\UNC\\" + path.substr(2, share == std::wstring::npos ? std::wstring::npos : share - 2);
        rest = share == std::wstring::npos ? std::wstring() : path.substr(share + 1);
        return true;
    }
    return false;
}

// The absolute form of a path that is not yet one, "/" already replaced.
std::wstring Absolute(const std::wstring& path) {
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':' && (path.size() == 2 || path[2] != L'\\'))
        return FullPath(path);  // the system knows each drive's current folder
    const std::wstring current = CurrentFolder();
    if (!path.empty() && path[0] == L'\\') {  // from the root of the current drive or share
        std::wstring root, rest;
        if (!SplitRoot(current, root, rest)) return std::wstring();
        return (StartsWith(root, L"\\\\?\\UNC\\") ? L"\\\\" + root.substr(8) : root.substr(4)) + path;
    }
    return current + L"\\" + path;
}

}  // namespace

std::wstring ExtendedPath(const std::wstring& path) {
    if (path.empty()) return std::wstring();
    if (StartsWith(path, L"\\\\?\\") || StartsWith(path, L"\\\\.\\")) return path;
    std::wstring slashed = path;
    for (wchar_t& c : slashed)
        if (c == L'/') c = L'\\';
    std::wstring root, rest;
    if (!SplitRoot(slashed, root, rest) && !SplitRoot(Absolute(slashed), root, rest)) return std::wstring();
    std::vector<std::wstring> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find(L'\\', start);
        if (end == std::wstring::npos) end = rest.size();
        const std::wstring part = rest.substr(start, end - start);
        if (part == L"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::wstring result = root + L"\\";
    for (size_t i = 0; i < parts.size(); ++i) result += (i ? L"\\" : L"") + parts[i];
    if (!parts.empty() && slashed.back() == L'\\') result += L'\\';
    return result;
}

std::wstring CreationPath(const std::wstring& path) {
    if (StartsWith(path, L"\\\\?\\")) return path;  // already taken as it is
    const std::wstring full = FullPath(path);
    if (full.size() < MAX_PATH) return path;  // the plain functions tidy it themselves
    return ExtendedPath(full);
}

std::wstring PlainPathWherePossible(const std::wstring& path) {
    const std::wstring extended = ExtendedPath(path);
    std::wstring plain;
    if (StartsWith(extended, L"\\\\?\\UNC\\")) plain = L"\\\\" + extended.substr(8);
    else if (extended.size() > 6 && extended[5] == L':') plain = extended.substr(4);  // "\\?\C:..."
    if (plain.empty() || plain.size() >= MAX_PATH) return extended;
    for (size_t i = 0; i < plain.size(); ++i) {
        const bool endOfPart = i + 1 == plain.size() || plain[i + 1] == L'\\';
        if (endOfPart && (plain[i] == L'.' || plain[i] == L' ')) return extended;
    }
    // The system's own full form tells a device name ("NUL", "CON.txt") from a file.
    return FullPath(plain) == plain ? plain : extended;
}

std::wstring ShownPath(const std::wstring& realPath) {
    std::wstring shown = StartsWith(realPath, L"\\\\?\\UNC\\") ? L"\\" + realPath.substr(7)
                         : StartsWith(realPath, L"\\\\?\\")    ? realPath.substr(4)
                                                                 : realPath;
    for (wchar_t& c : shown)
        if (c < 0x20 || c == 0x7F) c = L'?';
    return shown;
}

DWORD PathAttributes(const std::wstring& path) {
    const std::wstring real = ExtendedPath(path);
    return real.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(real.c_str());
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = PathAttributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FullPath(const std::wstring& path) {
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return std::wstring();
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path.c_str(), n, &full[0], nullptr);
    full.resize(n < full.size() ? n : 0);
    return full;
}

std::wstring TypedFolder(const std::wstring& path) {
    if (IsFolder(path)) return path;
    const std::wstring full = FullPath(path);
    return !full.empty() && IsFolder(full) ? full : std::wstring();
}
