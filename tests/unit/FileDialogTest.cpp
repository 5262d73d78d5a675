// The Save-As wrapper's record: filter list in the system's form, the whole initial name.
#include <gtest/gtest.h>

#include <string>

#include "framework/FileDialog.h"

namespace {

// A literal with its embedded string ends, without the compiler's own final zero.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

TEST(FileDialogFilter, BarsBecomeStringEndsButNotSecondBytes) {
    // "ポ" is 0x83 0x7C: its second byte is no separator.
    EXPECT_EQ(FilterListForSystem("ポ(*.P)|*.P||"), Bytes("ポ(*.P)\0*.P\0\0"));
    // A list cut before its closing bars still ends with two string ends.
    EXPECT_EQ(FilterListForSystem("A|*.a|B|*."), Bytes("A\0*.a\0B\0*.\0\0"));
    EXPECT_EQ(FilterListForSystem("A|*.a|"), Bytes("A\0*.a\0\0"));
    EXPECT_EQ(FilterListForSystem(""), Bytes("\0\0"));
    // A lone lead byte at the very end is kept as it is and the list still ends.
    EXPECT_EQ(FilterListForSystem("A|\x83"), Bytes("A\0\x83\0\0"));
}

TEST(FileDialogRequest, CarriesTheChoicesAndTheWholeInitialName) {
    std::wstring longName = L"C:\\" + std::wstring(400, L'd') + L"\\\u4e00\u89a7.txt";
    HWND owner = reinterpret_cast<HWND>(0x1234);
    CFileDialog dialog("csv", longName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "ポ|*.t||", owner);
    const OPENFILENAMEW& r = dialog.Request();
    EXPECT_EQ(r.hwndOwner, owner);
    EXPECT_EQ(r.Flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_STREQ(r.lpstrDefExt, L"csv");
    EXPECT_EQ(std::wstring(r.lpstrFilter, 7), std::wstring(L"\u30dd\0*.t\0\0", 7));
    EXPECT_EQ(r.nFilterIndex, 1u);
    EXPECT_EQ(r.lpstrTitle, nullptr);
    EXPECT_EQ(r.lpstrFile, longName);
    EXPECT_GE(r.nMaxFile, 32768u);
    EXPECT_EQ(dialog.GetPathName(), longName);
}

}  // namespace
