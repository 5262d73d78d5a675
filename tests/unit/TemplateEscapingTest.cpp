#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

TEST(TemplateEscaping, EscapesLineBreaksTabsAndBackslashesButNotTrailBytes) {
    EXPECT_EQ("a\\r\\nb\\tc\\\\d", EscapeTemplateText("a\r\nb\tc\\d"));
    // 表 and ソ end in the byte 0x5C: they stay two bytes, no backslash added.
    EXPECT_EQ("\x95\x5C\x83\x5C\\\\", EscapeTemplateText("表ソ\\"));
    EXPECT_EQ("", EscapeTemplateText(""));
}

TEST(TemplateEscaping, RoundTripIsByteForByte) {
    const CString texts[] = {
        "<html>\r\n<head>\r\n\t<title> 表ソ\\x</title>\r\n",
        "\\\\server\\表\\ソ\\\r\n\\",
        "\\r literally\\n, \\t",
        "trailing lone lead byte \x95",
        "",
    };
    for (const CString& text : texts) {
        CString escaped = EscapeTemplateText(text);
        EXPECT_EQ(CString::npos, escaped.find_first_of("\r\n\t")) << text;
        EXPECT_EQ(text, UnescapeTemplateText(escaped)) << text;
    }
}

TEST(TemplateEscaping, ReadsHandEditedEscapes) {
    EXPECT_EQ("\r\n\t\r\n\t", UnescapeTemplateText("\\R\\N\\T\\r\\n\\t"));
    EXPECT_EQ("x%q", UnescapeTemplateText("\\x%\\q"));
    EXPECT_EQ("表", UnescapeTemplateText("\\表"));
    EXPECT_EQ("end", UnescapeTemplateText("end\\"));
    EXPECT_EQ("a\\b", UnescapeTemplateText("a\\\\b"));
}

TEST(SidePaths, ReplaceTheExtensionOfTheFileNameOnly) {
    SidePaths usual = DeriveSidePaths(L"C:\\Tools\\lister.exe");
    EXPECT_EQ(L"C:\\Tools\\lister.ini", usual.settingsFile);
    EXPECT_EQ(L"C:\\Tools\\lister.txt", usual.defaultOutput);
    EXPECT_EQ(L"C:\\dlg\u00e9.d\\a.b.ini", DeriveSidePaths(L"C:\\dlg\u00e9.d\\a.b.exe").settingsFile);
    SidePaths bare = DeriveSidePaths(L"C:\\v1.2\\lister");
    EXPECT_EQ(L"C:\\v1.2\\lister.ini", bare.settingsFile);
    EXPECT_EQ(L"C:\\v1.2\\lister.txt", bare.defaultOutput);
    EXPECT_EQ(L".x.ini", DeriveSidePaths(L".x").settingsFile) << "the first character is never a dot";
    EXPECT_TRUE(DeriveSidePaths(L"").settingsFile.empty());
    EXPECT_TRUE(DeriveSidePaths(L"").defaultOutput.empty());
}

}  // namespace
