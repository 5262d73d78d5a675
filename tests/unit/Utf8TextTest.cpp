// UTF-8 letter case: every character of the basic plane mapped as the system maps it alone,
// including those whose upper case takes more or fewer bytes (ɐ, ı, ſ). UTF-8 order: the code
// page's for every name it holds. Names written in either encoding: one line, one column each.
#include "text/Utf8Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/CodePageText.h"

namespace {

std::string Utf8(const std::wstring& wide) {
    std::string text(wide.size() * 3, '\0');
    text.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                        &text[0], static_cast<int>(text.size()), nullptr, nullptr)));
    return text;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// A name in both encodings.
struct Name {
    std::string codePage;
    std::string utf8;
};

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

// Sorted by the code page, every name compares with its neighbour in UTF-8 as in the code page;
// the names of several characters (the traps of the order) also with each other.
TEST(Utf8Text, NamesTheCodePageHoldsSortAsInTheCodePage) {
    const CodePageText& cp = CodePageText::System();
    const Utf8Text& utf8 = Utf8Text::Instance();
    std::vector<Name> names;
    for (unsigned unit = 1; unit < 0x10000; ++unit) {
        const std::wstring wide(1, static_cast<wchar_t>(unit));
        const std::string bytes = cp.TextFromWide(wide);
        if (cp.ToWide(bytes) == wide) names.push_back({bytes, Utf8(wide)});
    }
    ASSERT_GT(names.size(), 7000u) << "every character of code page 932, each alone";
    const std::vector<std::wstring> traps = {
        L"doc", L"doc\\a.txt", L"docs.txt", L"DOC_x.txt", L"doc[1].txt", L"doc]", L"doc^", L"doc`", L"doc{",
        L"doc~", L"doc2", L"ｱｲ.txt", L"ｶﾞ", L"アイ.txt", L"漢字", L"漢字\\ａ", L"ＡＢ", L"ａｂ", L"ⅰ", L"Ⅱ",
        L"Ω", L"ω", L"ё", L"表\\x", L"～", L"￢"};
    const size_t first = names.size();
    for (const std::wstring& trap : traps) {
        ASSERT_EQ(trap, cp.ToWide(cp.TextFromWide(trap))) << "the code page holds each";
        names.push_back({cp.TextFromWide(trap), Utf8(trap)});
    }
    for (size_t i = first; i < names.size(); ++i)
        for (size_t j = first; j < names.size(); ++j)
            ASSERT_EQ(Sign(cp.Compare(names[i].codePage.c_str(), names[j].codePage.c_str())),
                      Sign(utf8.Compare(names[i].utf8.c_str(), names[j].utf8.c_str())))
                << names[i].codePage << " against " << names[j].codePage;
    std::stable_sort(names.begin(), names.end(), [&cp](const Name& x, const Name& y) {
        return cp.Compare(x.codePage.c_str(), y.codePage.c_str()) < 0;
    });
    for (size_t i = 1; i < names.size(); ++i)
        ASSERT_EQ(Sign(cp.Compare(names[i - 1].codePage.c_str(), names[i].codePage.c_str())),
                  Sign(utf8.Compare(names[i - 1].utf8.c_str(), names[i].utf8.c_str())))
            << names[i - 1].codePage << " before " << names[i].codePage;
}

// What the code page lacks comes after all it holds, by code point; the line store may put
// any character next to its upper case, as the code page's order does.
TEST(Utf8Text, CharactersTheCodePageLacksSortLastAndEachEqualsItsUpperCase) {
    const Utf8Text& utf8 = Utf8Text::Instance();
    const std::vector<std::wstring> ascending = {L"z", L"ｱ", L"ア", L"黑", L"é", L"한", L"😀"};
    for (size_t i = 1; i < ascending.size(); ++i)
        EXPECT_LT(utf8.Compare(Utf8(ascending[i - 1]).c_str(), Utf8(ascending[i]).c_str()), 0) << i;
    const std::string mixed = Utf8(L"Résumé"), capitals = Utf8(L"rÉSUMÉ");
    EXPECT_EQ(0, utf8.Compare(mixed.c_str(), capitals.c_str()));
    for (unsigned unit = 1; unit < 0x10000; ++unit) {
        if (unit >= 0xD800 && unit < 0xE000) continue;
        const std::string text = Utf8(std::wstring(1, static_cast<wchar_t>(unit)));
        std::string upper = text;
        utf8.ToUpper(upper);
        ASSERT_EQ(0, utf8.Compare(text.c_str(), upper.c_str())) << std::hex << unit;
    }
}

// A name holding a tab or a line break (possible on a share of another system) would forge
// columns or lines: each control character of a name is written "?". Other texts keep theirs.
TEST(Utf8Text, ANameWritesEachControlCharacterAsAQuestionMarkInBothEncodings) {
    const std::wstring name = L"a\tb\r\nc\x01\x1F\x7F\u8868.txt";
    EXPECT_EQ("a?b??c???表.txt", CodePageText::System().FromWide(name));
    EXPECT_EQ("a?b??c???" + Utf8(L"\u8868.txt"), Utf8Text::Instance().FromWide(name));
    EXPECT_EQ("<tr>\r\n\t", CodePageText::System().TextFromWide(L"<tr>\r\n\t"));
    EXPECT_EQ("<tr>\r\n\t", Utf8Text::Instance().TextFromWide(L"<tr>\r\n\t"));
    EXPECT_EQ("<tr>\r\n\t", Utf8Text::Instance().FromCodePage("<tr>\r\n\t"));
}

}  // namespace
