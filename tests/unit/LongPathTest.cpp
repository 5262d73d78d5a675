#include <gtest/gtest.h>

#include <string>

#include "format/LongPath.h"

TEST(LongPath, PrefixFrom260Bytes) {
    const std::string dir = "C:\\" + std::string(240, 'd') + "\\";
    const std::string at259 = dir + std::string(259 - dir.size(), 'f');
    const std::string at260 = at259 + "g";
    EXPECT_EQ(at259, LongPathForm(at259));
    EXPECT_EQ("\\\\?\\" + at260, LongPathForm(at260));
    // Already extended or a device path: unchanged.
    EXPECT_EQ("\\\\?\\" + at260, LongPathForm("\\\\?\\" + at260));
    // A server share takes the UNC form.
    const std::string unc = "\\\\server\\share\\" + std::string(260, 'u');
    EXPECT_EQ("\\\\?\\UNC\\server\\share\\" + std::string(260, 'u'), LongPathForm(unc));
    // Slashes become backslashes, but never a trail byte of a double-byte character.
    const std::string mixed = "C:/" + std::string(260, 'm') + "/表/x";
    EXPECT_EQ("\\\\?\\C:\\" + std::string(260, 'm') + "\\表\\x", LongPathForm(mixed));
}

TEST(LongPath, WidePathIsFullNormalisedAndPrefixedWhenLong) {
    EXPECT_EQ(L"C:\\a\\b.txt", WideFilePath("C:\\a\\.\\x\\..\\b.txt"));
    EXPECT_EQ(L"C:\\a\\\u8868.txt", WideFilePath("C:/a/表.txt"));
    const std::string longPath = "C:\\" + std::string(300, 'w') + "\\..\\" + std::string(270, 'v');
    EXPECT_EQ(L"\\\\?\\C:\\" + std::wstring(270, L'v'), WideFilePath(longPath));
    EXPECT_EQ(L"\\\\?\\UNC\\srv\\sh\\" + std::wstring(260, L'z'),
              WideFilePath("\\\\srv\\sh\\" + std::string(260, 'z')));
    EXPECT_EQ(L"", WideFilePath(""));
}
