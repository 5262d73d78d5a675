#include "support/RegistryText.h"

#include <windows.h>

#include <vector>

bool RegistryKeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

std::wstring RegistryText(const std::wstring& key, const wchar_t* value) {
    DWORD type = 0, bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_ANY, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return L"<none>";
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS)
        return L"<none>";
    return text.data();
}
