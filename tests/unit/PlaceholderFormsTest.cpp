// Placeholder forms: each form's text, the real names they write, and templates of before
// that keep their meaning.
#include <gtest/gtest.h>

#include <string>

#include "format/EntryTexts.h"
#include "format/PlaceholderForms.h"
#include "format/TemplateExpander.h"
#include "text/CodePageText.h"
#include "text/Utf8Text.h"

namespace {

class Forms : public ::testing::Test {
protected:
    std::string Expand(const std::string& text, const TextEncoding& encoding = CodePageText::System()) {
        return ExpandTemplate(text, texts.placeholders, encoding);  // the texts' own, not the real names
    }
    EntryTexts texts;
};

TEST_F(Forms, EachFormWritesItsKindOfOutput) {
    texts.file = "a&b <c> \"d\" 'e', 表.txt";
    EXPECT_EQ("a&amp;b &lt;c&gt; &quot;d&quot; &#39;e&#39;, 表.txt", Expand("%FILE:html%"));
    EXPECT_EQ("\"a&b <c> \"\"d\"\" 'e', 表.txt\"", Expand("%file:Csv%"));
    // For a spreadsheet, a cell that would be a formula is text; the csv form stays exact.
    for (const char* formula : {"=1+2", "+1", "-1", "@SUM(A1)"}) {
        texts.file = formula;
        EXPECT_EQ("\"'" + std::string(formula) + "\"", Expand("%FILE:sheet%"));
        EXPECT_EQ("\"" + std::string(formula) + "\"", Expand("%FILE:csv%"));
    }
    texts.file = "a=1";
    EXPECT_EQ("\"a=1\"", Expand("%FILE:sheet%"));
    texts.file = "a&b <c> \"d\" 'e', 表.txt";
    EXPECT_EQ("a&b <c> \\\"d\\\" 'e', \\u8868.txt", Expand("%FILE:json%"));
    texts.file = "tab\there\\back";
    EXPECT_EQ("tab\\u0009here\\\\back", Expand("%FILE:json%"));
    // A path as a link: percent-encoded UTF-8, and a full path as a file URL.
    texts.path = "C:\\My Data\\#1 100%\\表 ソ.txt";
    EXPECT_EQ("file:///C:/My%20Data/%231%20100%25/%E8%A1%A8%20%E3%82%BD.txt", Expand("%PATH:url%"));
    texts.path = "\\\\server\\share\\a~b-c_d.e";
    EXPECT_EQ("file://server/share/a~b-c_d.e", Expand("%PATH:url%"));
    texts.path = "sub\\x y";
    EXPECT_EQ("sub/x%20y", Expand("%PATH:url%"));
    EXPECT_EQ("<meta charset=\"Shift_JIS\">", Expand("<meta charset=\"%OUTFILE:charset%\">"));
    EXPECT_EQ("UTF-8", Expand("%OUTFILE:charset%", Utf8Text::Instance()));
    // UTF-8 output keeps its characters in JSON.
    texts.file = "\xE8\xA1\xA8\"";
    EXPECT_EQ("\xE8\xA1\xA8\\\"", Expand("%FILE:json%", Utf8Text::Instance()));
}

TEST_F(Forms, OtherNamesWithAColonStayEnvironmentNamesAsBefore) {
    texts.file = "a.txt";
    SetEnvironmentVariableA("FILE:XML", "from the environment");
    EXPECT_EQ("from the environment|", Expand("%FILE:xml%|%SIZE:iso%"));
    SetEnvironmentVariableA("FILE:XML", nullptr);
    EXPECT_EQ("", Expand("%NO_SUCH_QM:html%"));
    bool checksum = false, version = false;
    SetNeededFlags("%CRC:csv%,%VERSION:json%", CodePageText::System(), checksum, version);
    EXPECT_TRUE(checksum);
    EXPECT_TRUE(version);
}

TEST(IsoDate, LocalTimeWithTheZonesOffset) {
    // 2026-12-08 12:50:30 UTC; the tests run in the zone JST-9.
    SYSTEMTIME utc = {2026, 12, 2, 8, 12, 50, 30, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &time));
    CString text;
    IsoDateText(time, text);
    EXPECT_EQ("2026-12-08T21:50:30+09:00", text);
}

}  // namespace
