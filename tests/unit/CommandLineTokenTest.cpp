#include <gtest/gtest.h>

#include "common/CommandLineToken.h"
#include "support/TempFolder.h"

namespace {

TEST(CommandLineToken, QuotedUnquotedAndEdgeCases) {
    EXPECT_EQ(FirstCommandLineToken(Wide("")), Wide(""));
    EXPECT_EQ(FirstCommandLineToken(Wide(" \t ")), Wide(""));
    EXPECT_EQ(FirstCommandLineToken(Wide("\"C:\\My Files\\list.txt\" next")), Wide("C:\\My Files\\list.txt"));
    EXPECT_EQ(FirstCommandLineToken(Wide("C:\\My Files\\list.txt")), Wide("C:\\My"));
    EXPECT_EQ(FirstCommandLineToken(Wide("\t \tC:\\a\tb c")), Wide("C:\\a\tb"));
    EXPECT_EQ(FirstCommandLineToken(Wide("  \"C:\\no end")), Wide("C:\\no end"));
    EXPECT_EQ(FirstCommandLineToken(Wide("\"\"")), Wide(""));
    EXPECT_EQ(FirstCommandLineToken(Wide("C:\\表示\\ソフト")), Wide("C:\\表示\\ソフト"));
    std::string longPath = "C:\\" + std::string(400, 'x');
    EXPECT_EQ(FirstCommandLineToken(Wide(longPath + " more")), Wide(longPath));  // taken whole
}

}  // namespace
