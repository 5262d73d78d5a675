// UTF-8 letter case: every character of the basic plane mapped as the system maps it alone,
// including those whose upper case takes more or fewer bytes (ɐ, ı, ſ).
#include "text/Utf8Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    std::string text(wide.size() * 3, '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                        &text[0], static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

TEST(Utf8Text, CaseOfEveryBasicPlaneCharacterAsTheSystemMapsIt) {
    for (DWORD flag : {static_cast<DWORD>(LCMAP_UPPERCASE), static_cast<DWORD>(LCMAP_LOWERCASE)}) {
        std::wstring plain, mapped;
        for (unsigned unit = 1; unit < 0x10000; ++unit) {
            if (unit >= 0xD800 && unit < 0xE000) continue;
            const wchar_t c = static_cast<wchar_t>(unit);
            wchar_t m = c;
            LCMapStringEx(LOCALE_NAME_INVARIANT, flag, &c, 1, &m, 1, nullptr, nullptr, 0);
            plain += c;
            mapped += m;
        }
        std::string text = Utf8(plain);
        ASSERT_NE(text.size(), Utf8(mapped).size()) << "some characters change their length";
        if (flag == LCMAP_UPPERCASE) Utf8Text::Instance().ToUpper(text);
        else Utf8Text::Instance().ToLower(text);
        EXPECT_EQ(Utf8(mapped), text);
        std::string ascii = "Readme.TXT";  // no character changes length: done in place
        Utf8Text::Instance().ToUpper(ascii);
        EXPECT_EQ("README.TXT", ascii);
    }
}

}  // namespace
