// Template expansion: placeholder syntax, environment names, the needed flags, and runs.
#include <gtest/gtest.h>

#include <string>

#include "format/ListingOptions.h"
#include "format/EntryTexts.h"
#include "format/TemplateExpander.h"
#include "format/TemplateSections.h"
#include "text/CodePageText.h"
#include "support/ListingRun.h"
#include "support/TempFolder.h"

namespace {

const char kHtmlHeader[] = "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n";
const char kHtmlRepeat[] = "<p><a href=\"%PATH%\">%FILE% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>";
const char kHtmlFooter[] = "</body>\r\n</html>\r\n";

class Expansion : public ::testing::Test {
protected:
    std::string Expand(const std::string& text) { return ExpandTemplate(text, texts.placeholders, CodePageText::System()); }
    EntryTexts texts;
};

TEST_F(Expansion, PlaceholderNamesIgnoreCaseAndValuesAreNotScannedAgain) {
    texts.file = "100%FILE%.txt";
    texts.crc = "CBF43926";
    EXPECT_EQ("100%FILE%.txt|100%FILE%.txt", Expand("%FILE%|%file%"));
    EXPECT_EQ("CBF43926 CBF43926", Expand("%Crc% %crc16%"));
    EXPECT_EQ(14u, texts.placeholders.size());
}

TEST_F(Expansion, ColumnSectionsFollowTheOptionsAndEntrySectionsTheEntry) {
    ListingOptions options;
    options.checksum = true;
    const TextEncoding& cp = CodePageText::System();
    // The text around the sections comes back meaning what it meant: "%%", names, a cut name.
    EXPECT_EQ("100%% %FILE%,%CRC%;%?FILE%f%?%%?FOLDER%d%?%.%USERNAME%",
              KeepChosenSections("100%% %file%%?crc%,%CRC%%?%%?SIZE%,%SIZE%%?%;%?FILE%f%?FOLDER%d%?%%?NONE%x%?%.%USERNAME",
                                 options, cp));
    EXPECT_EQ("no sections: %file", KeepChosenSections("no sections: %file", options, cp));
    options.checksum = false;
    options.productVersion = true;
    EXPECT_EQ("a%PRODUCTVERSION%", KeepChosenSections("a%?CRC16%%CRC%%?PRODUCTVERSION%%PRODUCTVERSION%", options, cp));

    texts.file = "a.txt";
    TemplateText repeat("%?FILE%%FILE% file%?FOLDER%folder%?%!", texts.placeholders, cp);
    CString line;
    repeat.ExpandInto(line, EntryKind::FileEntry);
    EXPECT_EQ("a.txt file!", line);
    repeat.ExpandInto(line, EntryKind::FolderEntry);
    EXPECT_EQ("folder!", line);
    EXPECT_EQ("!", repeat.Expand()) << "the header and footer write no entry section";
    EXPECT_TRUE(repeat.HasSections());
    EXPECT_FALSE(TemplateText("%FILE%", texts.placeholders, cp).HasSections());
}

TEST_F(Expansion, PercentSignsAndUnclosedNames) {
    texts.file = "a.txt";
    EXPECT_EQ("100% a.txt", Expand("100%% %FILE%%"));
    EXPECT_EQ("a.txt", Expand("%FILE%%"));
    EXPECT_EQ("a.txt\nnext", Expand("%FILE\r\nnext")) << "the CR ends the name and is lost";
    EXPECT_EQ("a.txt\rnext", Expand("%FILE\n\rnext"));
    EXPECT_EQ("a.txt", Expand("%FILE"));
    EXPECT_EQ("x", Expand("x%NO_SUCH_NAME_QM%"));
    EXPECT_EQ("表ソ", Expand("表%FILE_%ソ"));
}

TEST_F(Expansion, OtherNamesComeFromTheEnvironmentWhateverTheirLength) {
    const std::string longValue(700, 'v');
    SetEnvironmentVariableA("QM_TEMPLATE_VALUE", longValue.c_str());
    EXPECT_EQ("<" + longValue + ">", Expand("<%qm_template_value%>"));
    SetEnvironmentVariableA("QM_TEMPLATE_VALUE", nullptr);
    EXPECT_EQ("<>", Expand("<%QM_TEMPLATE_VALUE%>"));
    const std::string longName(400, 'N');
    SetEnvironmentVariableA(longName.c_str(), "found");
    EXPECT_EQ("found", Expand("%" + longName + "%"));
    SetEnvironmentVariableA(longName.c_str(), nullptr);
}

TEST(TemplateNeeds, FlagsFollowThePlaceholdersInAnyCase) {
    bool checksum = false, version = true;
    SetNeededFlags("%CRC%", CodePageText::System(), checksum, version);
    EXPECT_TRUE(checksum);
    EXPECT_FALSE(version);
    SetNeededFlags("x %Crc16% y", CodePageText::System(), checksum, version);
    EXPECT_TRUE(checksum);
    SetNeededFlags("%ProductVersion%", CodePageText::System(), checksum, version);
    EXPECT_FALSE(checksum);
    EXPECT_TRUE(version);
    SetNeededFlags("%version%", CodePageText::System(), checksum, version);
    EXPECT_TRUE(version);
    SetNeededFlags("%%CRC%% %FILE% CRC VERSION", CodePageText::System(), checksum, version);
    EXPECT_FALSE(checksum) << "literal percent signs do not make a placeholder";
    EXPECT_FALSE(version);
}

class TemplateRun : public ::testing::Test {
protected:
    RunOutcome Run(ListingOptions& job, const std::string& folder, bool stopFirst = false) {
        job.folder = Wide(folder);
        job.outputPath = Wide(tree / "out.txt");
        job.useTemplate = 1;
        return RunListing(job, stopFirst);
    }
    std::string Output() { return ReadWholeFile(tree / "out.txt"); }

    TempFolder tree;
};

TEST_F(TemplateRun, TheBuiltInHtmlPage) {
    SetEnvironmentVariableA("ATTRIBUTES", nullptr);
    const std::string file = tree.WriteFile("list\\a.txt", std::string(123, 'x'));
    ASSERT_TRUE(SetLastWriteTime(file, 2010, 6, 30, 20, 0, 1));
    ListingOptions job;
    job.headerText = kHtmlHeader;
    job.repeatText = kHtmlRepeat;
    job.footerText = kHtmlFooter;
    Run(job, tree / "list");
    EXPECT_EQ(std::string(kHtmlHeader) + "\r\n<p><a href=\"" + file +
                  "\">a.txt 123Bytes 2010/07/01 05:00:01 </a></p>\r\n" + kHtmlFooter + "\r\n",
              Output());
}

TEST_F(TemplateRun, CountFollowsTheWalkAndTheFooterSeesTheLastEntry) {
    tree.WriteFile("list\\z.txt", "");
    tree.WriteFile("list\\sub\\a.txt", "");
    tree.WriteFile("list\\sub\\deeper\\m.txt", "");
    ListingOptions job;
    job.subfolders = 1;
    job.pathType = PathType::Relative;
    job.headerText = "%DIRNAME%";
    job.repeatText = "%FILE% %COUNT%";
    job.footerText = "%COUNT% in %OUTFILE%, last %PATH%";
    Run(job, tree / "list");
    EXPECT_EQ(tree / "list\\\r\na.txt 2\r\nm.txt 3\r\nz.txt 1\r\n3 in " + tree / "out.txt" +
                  ", last sub\\deeper\\m.txt\r\n",
              Output());
}

TEST_F(TemplateRun, ChecksumPlaceholderInAnyCaseComputesIt) {
    tree.WriteFile("list\\digits.txt", "123456789");
    ListingOptions job;
    job.repeatText = "%FILE% %Crc%";
    Run(job, tree / "list");
    EXPECT_EQ("\r\ndigits.txt CBF43926\r\n\r\n", Output()) << "empty header and footer stay lines";
}

TEST_F(TemplateRun, NoEntriesGiveHeaderAndFooterOnly) {
    tree.MakeDir("empty");
    ListingOptions job;
    job.headerText = "H%COUNT%%FILE%";
    job.repeatText = "%FILE%";
    job.footerText = "F";
    RunOutcome outcome = Run(job, tree / "empty");
    EXPECT_EQ(RunResult::Complete, outcome.result);
    EXPECT_EQ("H0\r\nF\r\n", Output()) << "the count is a number, also of none";
}

TEST_F(TemplateRun, AStoppedRunStillHasHeaderAndFooter) {
    tree.WriteFile("list\\a.txt", "");
    ListingOptions job;
    job.headerText = "<h>";
    job.repeatText = "%FILE%";
    job.footerText = "<f>";
    Run(job, tree / "list", true);
    EXPECT_EQ("<h>\r\n<f>\r\n", Output());
}

}  // namespace
