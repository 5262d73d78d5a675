#include "framework/ModuleText.h"

namespace {

CString AnsiText(const std::wstring& wide) {
    if (wide.empty()) return CString();
    const int length = static_cast<int>(wide.size());
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    CString text(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], bytes, nullptr, nullptr);
    return text;
}

// Where the file name of a path starts: after its last "\" or "/".
size_t NameStart(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut off: try a bigger buffer
    }
}

std::wstring ProgramFolder() {
    const std::wstring path = ModulePath();
    return path.substr(0, NameStart(path));
}

std::wstring PathWithoutExtension(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot == 0 || dot < NameStart(path)) return path;
    return path.substr(0, dot);
}

std::wstring ModuleBaseName() {
    const std::wstring base = PathWithoutExtension(ModulePath());
    return base.substr(NameStart(base));
}

std::wstring LoadResourceText(UINT id) {
    // The table holds UTF-16; asking for a pointer to it gives the length without a guess.
    const wchar_t* wide = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&wide), 0);
    if (length <= 0 || !wide) return std::wstring();
    return std::wstring(wide, static_cast<size_t>(length));
}

CString LoadResourceString(UINT id) { return AnsiText(LoadResourceText(id)); }
