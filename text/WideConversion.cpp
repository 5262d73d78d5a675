#include "text/WideConversion.h"

std::wstring WideFromCodePage(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], units);
    return wide;
}

bool CodePageFromWide(UINT codePage, DWORD flags, const wchar_t* wide, size_t length, std::string& text) {
    text.clear();
    if (length == 0) return true;
    // No code page takes more than three bytes for a UTF-16 unit: one call does it.
    text.resize(3 * length);
    // The default character may be given only where best fit may be refused (not for UTF-8).
    const bool refusesBestFit = (flags & WC_NO_BEST_FIT_CHARS) != 0;
    BOOL lost = FALSE;
    const int bytes = WideCharToMultiByte(codePage, flags, wide, static_cast<int>(length), &text[0],
                                          static_cast<int>(text.size()), refusesBestFit ? "?" : nullptr,
                                          refusesBestFit ? &lost : nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return !lost;
}
