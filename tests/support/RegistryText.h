#pragma once
// Reading back what the program wrote under HKEY_CURRENT_USER, without the program's code.
#include <string>

// Whether the key (below HKEY_CURRENT_USER) is there.
bool RegistryKeyExists(const std::wstring& key);
// A text value of the key (nullptr: its default value); "<none>" when there is none.
std::wstring RegistryText(const std::wstring& key, const wchar_t* value = nullptr);
