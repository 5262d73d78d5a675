#include <gtest/gtest.h>

#include <string>

#include "framework/LongPath.h"

TEST(LongPath, TheExtendedFormKeepsEveryNameAndResolvesOnlyDotParts) {
    EXPECT_EQ(L"\\\\?\\C:\\a\\b.txt", ExtendedPath(L"C:\\a\\.\\x\\..\\b.txt"));
    EXPECT_EQ(L"\\\\?\\C:\\a\\\u8868.txt", ExtendedPath(L"C:/a/\u8868.txt"));
    EXPECT_EQ(L"\\\\?\\C:\\apache.\\name \\", ExtendedPath(L"C:\\apache.\\name \\")) << "trailing dots and spaces stay";
    EXPECT_EQ(L"\\\\?\\C:\\", ExtendedPath(L"C:\\.."));
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'w') + L"\\..\\" + std::wstring(270, L'v');
    EXPECT_EQ(L"\\\\?\\C:\\" + std::wstring(270, L'v'), ExtendedPath(longPath));
    EXPECT_EQ(L"\\\\?\\UNC\\srv\\sh\\z", ExtendedPath(L"\\\\srv\\sh\\z"));
    EXPECT_EQ(L"\\\\?\\C:\\as is.", ExtendedPath(L"\\\\?\\C:\\as is."));
    EXPECT_EQ(L"", ExtendedPath(L""));

    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(ExtendedPath(std::wstring(current) + L"\\data.\\x"), ExtendedPath(L"data.\\x"));
}

TEST(LongPath, CreationUsesThePlainPathWhereTheSystemReadsItAsItIs) {
    EXPECT_EQ(L"C:\\out\\nul.txt", CreationPath(L"C:\\out\\nul.txt")) << "a device stays a device";
    EXPECT_EQ(L"..\\out.txt", CreationPath(L"..\\out.txt"));
    EXPECT_EQ(L"\\\\?\\C:\\out\\list.", CreationPath(L"C:\\out\\list."));
    EXPECT_EQ(L"\\\\?\\C:\\dir \\list.txt", CreationPath(L"C:\\dir \\list.txt"));
    EXPECT_EQ(L"\\\\?\\C:\\" + std::wstring(300, L'x'), CreationPath(L"C:\\" + std::wstring(300, L'x')));
}
