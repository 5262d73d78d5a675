#include "cli/WideText.h"

namespace {

CString NarrowText(const std::wstring& text, UINT codePage, DWORD flags) {
    if (text.empty()) return CString();
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return CString();
    CString narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, &narrow[0], bytes, nullptr, nullptr);
    return narrow;
}

}  // namespace

CString AnsiFromWide(const std::wstring& text) { return NarrowText(text, CP_ACP, WC_NO_BEST_FIT_CHARS); }

CString CodePageFromWide(const std::wstring& text, UINT codePage) { return NarrowText(text, codePage, 0); }

std::wstring WideFromAnsi(const CString& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], units);
    return wide;
}
