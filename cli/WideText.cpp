#include "cli/WideText.h"

#include "text/WideConversion.h"

CString AnsiFromWide(const std::wstring& text) { return CodePageFromWide(CP_ACP, WC_NO_BEST_FIT_CHARS, text); }

CString CodePageFromWide(const std::wstring& text, UINT codePage) { return CodePageFromWide(codePage, 0, text); }

std::wstring WideFromAnsi(const CString& text) { return WideFromCodePage(CP_ACP, text); }
