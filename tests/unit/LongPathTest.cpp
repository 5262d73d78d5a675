#include <gtest/gtest.h>

#include <string>

#include "framework/LongPath.h"
#include "support/TempFolder.h"

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

TEST(LongPath, ThePlainFormOnlyWhereItMeansTheSameFile) {
    EXPECT_EQ(L"C:\\a\\b.dll", PlainPathWherePossible(L"\\\\?\\C:\\a\\b.dll"));
    EXPECT_EQ(L"\\\\srv\\sh\\b.dll", PlainPathWherePossible(L"\\\\srv\\sh\\x\\..\\b.dll"));
    for (const std::wstring& name : std::initializer_list<std::wstring>{L"C:\\a.\\b.dll", L"C:\\a \\b.dll", L"C:\\a\\b.", L"C:\\a\\NUL",
                                     L"C:\\" + std::wstring(260, L'x') + L"\\b.dll"})
        EXPECT_EQ(ExtendedPath(name), PlainPathWherePossible(name)) << "extended: " << name.size();
}

TEST(LongPath, TypedPathsMeanWhatThePlainFunctionsMakeOfThemUnlessTheRealNameExists) {
    // Created as typed, the plain functions tidy the name themselves; the extended form, which
    // would not, only where the length needs it, of the name as tidied.
    EXPECT_EQ(L"C:\\out\\nul.txt", CreationPath(L"C:\\out\\nul.txt")) << "a device stays a device";
    EXPECT_EQ(L"..\\out.txt", CreationPath(L"..\\out.txt"));
    EXPECT_EQ(L"C:\\out\\list.txt.", CreationPath(L"C:\\out\\list.txt."));
    const std::wstring longName = L"C:\\" + std::wstring(300, L'x');
    EXPECT_EQ(L"\\\\?\\" + longName, CreationPath(longName + L". ."));

    TempFolder tree;
    const std::wstring data = Wide(tree.MakeDir("Data"));
    const std::wstring dotted = tree.MakeDir(std::wstring(L"apache."));
    EXPECT_EQ(data, TypedFolder(data + L" "));
    EXPECT_EQ(data, TypedFolder(data + L"."));
    EXPECT_EQ(L"", TypedFolder(dotted.substr(0, dotted.size() - 1))) << "apache: not there";
    EXPECT_EQ(dotted, TypedFolder(dotted));
    tree.MakeDir("apache");
    EXPECT_EQ(dotted, TypedFolder(dotted)) << "the real name first";
    EXPECT_EQ(L"", TypedFolder(Wide(tree / "none.")));

    // What the system makes of "list.txt." when it creates it.
    HANDLE file = CreateFileW(CreationPath(Wide(tree / "list.txt.")).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(IsFile(Wide(tree / "list.txt")));
    EXPECT_FALSE(IsFile(Wide(tree / "list.txt."))) << "no file the plain functions cannot reach";
}
