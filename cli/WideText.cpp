#include "cli/WideText.h"

#include "text/WideConversion.h"

CString AnsiFromWide(const std::wstring& text) { return CodePageFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text); }

CString CodePageFromWide(const std::wstring& text, UINT codePage) {
    CString bytes = CodePageFromWide(codePage, WC_NO_BEST_FIT_CHARS, text);
    // UTF-8, UTF-7 and the ISO-2022 code pages refuse that flag: they convert without it.
    if (bytes.empty()) bytes = CodePageFromWide(codePage, 0, text);
    return bytes;
}
