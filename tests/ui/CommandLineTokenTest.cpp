#include <gtest/gtest.h>

#include "ui/CommandLineToken.h"

namespace {

TEST(CommandLineToken, QuotedUnquotedAndEdgeCases) {
    EXPECT_EQ(FirstCommandLineToken(""), "");
    EXPECT_EQ(FirstCommandLineToken(" \t "), "");
    EXPECT_EQ(FirstCommandLineToken("\"C:\\My Files\\list.txt\" next"), "C:\\My Files\\list.txt");
    EXPECT_EQ(FirstCommandLineToken("C:\\My Files\\list.txt"), "C:\\My");
    EXPECT_EQ(FirstCommandLineToken("\t \tC:\\a\tb c"), "C:\\a\tb");
    EXPECT_EQ(FirstCommandLineToken("  \"C:\\no end"), "C:\\no end");
    EXPECT_EQ(FirstCommandLineToken("\"\""), "");
    EXPECT_EQ(FirstCommandLineToken("C:\\表示\\ソフト"), "C:\\表示\\ソフト");
    std::string longPath = "C:\\" + std::string(400, 'x');
    EXPECT_EQ(FirstCommandLineToken(longPath + " more"), longPath);  // taken whole
}

}  // namespace
