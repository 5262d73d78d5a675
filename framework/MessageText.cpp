#include "framework/MessageText.h"

#include <vector>

std::wstring FillIn(const std::wstring& text, std::initializer_list<std::wstring> values) {
    const std::vector<std::wstring> filled(values);
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t next = i + 1 < text.size() ? text[i + 1] : L'\0';
        const size_t number = static_cast<size_t>(next - L'0');
        if (text[i] == L'%' && next >= L'1' && next <= L'9' && number <= filled.size()) {
            result += filled[number - 1];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::wstring SystemErrorText(DWORD error) {
    wchar_t* words = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
    std::wstring text = length && words ? std::wstring(words, length) : std::to_wstring(error);
    if (words) LocalFree(words);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}
