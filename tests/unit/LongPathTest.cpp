#include <gtest/gtest.h>

#include <string>

#include "framework/LongPath.h"

TEST(LongPath, WidePathIsFullNormalisedAndPrefixedWhenLong) {
    EXPECT_EQ(L"C:\\a\\b.txt", WideFilePath("C:\\a\\.\\x\\..\\b.txt"));
    EXPECT_EQ(L"C:\\a\\\u8868.txt", WideFilePath("C:/a/表.txt"));
    const std::string longPath = "C:\\" + std::string(300, 'w') + "\\..\\" + std::string(270, 'v');
    EXPECT_EQ(L"\\\\?\\C:\\" + std::wstring(270, L'v'), WideFilePath(longPath));
    EXPECT_EQ(L"\\\\?\\UNC\\srv\\sh\\" + std::wstring(260, L'z'),
              WideFilePath("\\\\srv\\sh\\" + std::string(260, 'z')));
    EXPECT_EQ(L"", WideFilePath(""));
}
