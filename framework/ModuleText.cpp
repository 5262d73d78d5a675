#include "framework/ModuleText.h"

CString ModuleFilePath() {
    CString path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return CString();
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // cut off: try a bigger buffer
    }
}

CString PathWithoutExtension(const CString& path) {
    const char* start = path.c_str();
    size_t dot = CString::npos;
    // CharNextA steps over both bytes of a character, whose second byte may equal '\' or '.'.
    for (const char* p = start; *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') dot = CString::npos;
        else if (*p == '.' && p > start) dot = static_cast<size_t>(p - start);
    }
    return path.substr(0, dot);
}

CString ModuleBaseName() {
    const CString base = PathWithoutExtension(ModuleFilePath());
    size_t nameStart = 0;
    for (const char* p = base.c_str(); *p; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') nameStart = static_cast<size_t>(p - base.c_str()) + 1;
    }
    return base.substr(nameStart);
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) return std::wstring();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // cut off: try a bigger buffer
    }
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring LoadResourceText(UINT id) {
    // The table holds UTF-16; asking for a pointer to it gives the length without a guess.
    const wchar_t* wide = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&wide), 0);
    if (length <= 0 || !wide) return std::wstring();
    return std::wstring(wide, static_cast<size_t>(length));
}

CString LoadResourceString(UINT id) {
    const std::wstring wide = LoadResourceText(id);
    if (wide.empty()) return CString();
    const int length = static_cast<int>(wide.size());
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    CString text(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], bytes, nullptr, nullptr);
    return text;
}
