#include "common/OptionsSettings.h"

#include <gtest/gtest.h>

#include "framework/ModuleText.h"
#include "support/TempFolder.h"
#include "res/resource.h"

namespace {

const TemplateTexts kBuiltIn = {"<html>\r\n", "<p>%FILE%</p>", "</html>\r\n"};

// The options as loaded, with the expand switch.
struct Loaded : ListingOptions {
    bool expand = true;
};

Loaded Load(const std::wstring& file) {
    Loaded options;
    options.subfolders = options.size = false;  // must be overwritten
    LoadSettings(SettingsFile(file), kBuiltIn, options, options.expand);
    return options;
}

Loaded LoadText(const TempFolder& folder, const CString& content) {
    return Load(Wide(folder.WriteFile("q.ini", content)));
}

TEST(LoadSettings, WithoutAFileGivesTheFreshDialog) {
    TempFolder folder;
    Loaded loaded = Load(Wide(folder / "none.ini"));
    for (bool on : {loaded.subfolders, loaded.size, loaded.date, loaded.attributes, loaded.directoryNames,
                    loaded.upperCase})
        EXPECT_TRUE(on);
    for (bool off : {loaded.lowerCase, loaded.url, loaded.checksum, loaded.fileVersion, loaded.productVersion,
                     loaded.filter, loaded.useTemplate, loaded.expand})
        EXPECT_FALSE(off);
    EXPECT_EQ(PathType::Absolute, loaded.pathType);
    EXPECT_EQ(L"", loaded.folder + loaded.outputPath);
    EXPECT_EQ(L"", loaded.filterText);
    EXPECT_EQ(kBuiltIn.header, loaded.headerText);
    EXPECT_EQ(kBuiltIn.repeat, loaded.repeatText);
    EXPECT_EQ(kBuiltIn.footer, loaded.footerText);
    EXPECT_EQ("<missing>", ReadWholeFile(folder / "none.ini")) << "loading creates nothing";
}

TEST(LoadSettings, ReadsEveryKeyAsStored) {
    TempFolder folder;
    Loaded o = LoadText(folder,
        "[CONFIG]\r\nOUTDIR=0\r\nUPPER=2\r\nURL=1\r\nPATHTYPE=5\r\nSIZE=abc\r\nDATE=0\r\n"
        "ATTR=\r\nCRC16=1\r\nVERSION=1\r\nVERSIONP= 2x\r\nFILTER=1\r\nEXPAND=1\r\nSUBDIR=0\r\n"
        "TEMPLATE=-1\r\n[STRINGS]\r\nFILTER=*.txt;*.表\r\nEXCLUDE=node_modules;docs\\old\r\nFILENAME=C:\\out\\ソ.txt\r\n"
        "DIRNAME=D:\\データ\r\n[TEMPLATE]\r\nSTART=head\\r\\n\r\n");
    EXPECT_FALSE(o.directoryNames);
    EXPECT_FALSE(o.upperCase);
    EXPECT_TRUE(o.lowerCase);
    EXPECT_TRUE(o.url);
    EXPECT_EQ(PathType::Unchosen, o.pathType) << "5 checks neither radio";
    EXPECT_FALSE(o.size);
    EXPECT_FALSE(o.date);
    EXPECT_FALSE(o.attributes);
    EXPECT_TRUE(o.checksum);
    EXPECT_TRUE(o.fileVersion);
    EXPECT_TRUE(o.productVersion) << "2 is a checked box's state too";
    EXPECT_TRUE(o.filter);
    EXPECT_TRUE(o.expand);
    EXPECT_FALSE(o.subfolders);
    EXPECT_FALSE(o.useTemplate) << "-1 is outside the check states: clear";
    EXPECT_EQ(L"*.txt;*.表", o.filterText);
    EXPECT_EQ(L"node_modules;docs\\old", o.excludeText);
    EXPECT_EQ(Wide("C:\\out\\ソ.txt"), o.outputPath);
    EXPECT_EQ(Wide("D:\\データ"), o.folder);
    EXPECT_EQ("head\r\n", o.headerText) << "START alone: no built-in text";
    EXPECT_EQ("", o.repeatText);
    EXPECT_EQ("", o.footerText);

    Loaded neither = LoadText(folder, "[CONFIG]\r\nUPPER=3\r\nSIZE=\r\nDATE=3\r\n");
    EXPECT_FALSE(neither.upperCase || neither.lowerCase || neither.size || neither.date);
    EXPECT_EQ(L"", neither.excludeText) << "no key: nothing excluded";
    EXPECT_FALSE(LoadText(folder, "[CONFIG]\r\nSIZE=0\r\n").size);
    Loaded allEmpty = LoadText(folder, "[TEMPLATE]\r\nSTART=\r\nEND=\r\nLOOP=\r\n");
    EXPECT_EQ(kBuiltIn.repeat, allEmpty.repeatText);
}

CString TemplateFile(const CString& length, const CString& value) {
    return "[TEMPLATE]\r\nLENGTH=" + length + "\r\nSTART=" + value + "\r\n";
}

TEST(LoadSettings, CutsValuesToTheirBuffersWithoutSplittingACharacter) {
    TempFolder folder;
    const CString long9000(9000, 'a');
    EXPECT_EQ(259u, LoadText(folder, TemplateFile("100", long9000)).headerText.size());
    EXPECT_EQ(259u, LoadText(folder, TemplateFile("abc", long9000)).headerText.size());
    EXPECT_EQ(8191u, LoadText(folder, TemplateFile("8192", long9000)).headerText.size());
    EXPECT_EQ(259u, LoadText(folder, TemplateFile("", long9000)).headerText.size());
    EXPECT_EQ(4095u, LoadText(folder, "[TEMPLATE]\r\nSTART=" + long9000).headerText.size());
    EXPECT_EQ(long9000, LoadText(folder, TemplateFile("99999999999999", long9000)).headerText);

    CString kanji;
    for (int i = 0; i < 200; ++i) kanji += "表";
    EXPECT_EQ(kanji.substr(0, 258), LoadText(folder, TemplateFile("100", kanji)).headerText);
    // The one-line texts have no buffer of their own: a path is never cut.
    EXPECT_EQ(Wide(kanji), LoadText(folder, "[STRINGS]\r\nDIRNAME=" + kanji + "\r\n").folder);
    EXPECT_EQ(std::wstring(400, L'b'),
              LoadText(folder, "[STRINGS]\r\nFILTER=" + CString(400, 'b') + "\r\n").filterText);
}

TEST(SaveSettings, WritesTheOptionKeysOnlyAndKeepsOthers) {
    TempFolder folder;
    std::wstring file = Wide(folder.WriteFile("q.ini", "[CONFIG]\r\nMINE=keep\r\nEXPAND=1\r\n"));
    ListingOptions options;
    options.upperCase = false;
    options.lowerCase = true;
    options.pathType = PathType::Unchosen;
    options.filterText = L"*.c;*.h";
    options.headerText = "<html>\r\n\t表ソ\\";
    options.folder = Wide("not saved here");
    SaveSettings(SettingsFile(file), options);
    CString content = ReadWholeFile(file);
    EXPECT_NE(CString::npos, content.find("MINE=keep"));
    EXPECT_NE(CString::npos, content.find("UPPER=2"));
    EXPECT_NE(CString::npos, content.find("PATHTYPE=-1"));
    EXPECT_NE(CString::npos, content.find("START=<html>\\r\\n\\t表ソ\\\\"));
    for (const char* absent : {"SUBDIR", "DIRNAME", "FILENAME", "LENGTH", "EXPAND=0"})
        EXPECT_EQ(CString::npos, content.find(absent)) << absent;

    options.upperCase = options.lowerCase = false;
    SaveSettings(SettingsFile(file), options);
    EXPECT_FALSE(Load(file).lowerCase || Load(file).upperCase);
    EXPECT_NE(CString::npos, ReadWholeFile(file).find("UPPER=0"));
}

TEST(SaveSettings, RoundTripKeepsEveryByte) {
    TempFolder folder;
    std::wstring file = Wide(folder / "round.ini");
    Loaded saved;
    saved.subfolders = false;
    saved.expand = true;
    saved.size = false;
    saved.pathType = PathType::Relative;
    saved.useTemplate = true;
    saved.utf8 = true;
    saved.page = true;
    saved.folder = Wide("C:\\表示\\ソフト");
    saved.outputPath = Wide("C:\\出力.txt");
    saved.filterText = L"*.表;*.ソ";
    saved.headerText = "  <html>\r\n\t\\表\\ソ\\\r\n";
    saved.repeatText = "\"%PATH%\"";
    saved.footerText = "</html> ";
    SaveSettings(SettingsFile(file), saved);
    SaveClosingKeys(SettingsFile(file), saved, saved.expand);
    Loaded loaded = Load(file);
    EXPECT_EQ(saved.subfolders, loaded.subfolders);
    EXPECT_EQ(saved.expand, loaded.expand);
    EXPECT_EQ(saved.size, loaded.size);
    EXPECT_EQ(saved.pathType, loaded.pathType);
    EXPECT_EQ(saved.useTemplate, loaded.useTemplate);
    EXPECT_EQ(saved.utf8, loaded.utf8);
    EXPECT_EQ(saved.page, loaded.page);
    EXPECT_EQ(saved.folder, loaded.folder);
    EXPECT_EQ(saved.outputPath, loaded.outputPath);
    EXPECT_EQ(saved.filterText, loaded.filterText);
    EXPECT_EQ(saved.headerText, loaded.headerText);
    EXPECT_EQ(saved.repeatText, loaded.repeatText);
    EXPECT_EQ(saved.footerText, loaded.footerText);
    // The profile reader trims blanks and strips enclosing quotes: such values go quoted.
    EXPECT_NE(CString::npos, ReadWholeFile(file).find("END=\"</html> \""));

    saved.headerText = saved.repeatText = saved.footerText = "";
    SaveSettings(SettingsFile(file), saved);
    EXPECT_NE(CString::npos, ReadWholeFile(file).find("LOOP=\r\n"));
    EXPECT_EQ(kBuiltIn.header, Load(file).headerText);
}

// Save, then close: every key of the table once, each section in the order the keys are written.
TEST(SaveSettings, AFreshFileHoldsEveryKeyOnceInItsOrder) {
    TempFolder folder;
    std::wstring file = Wide(folder / "fresh.ini");
    ListingOptions options;
    options.directoryNames = options.checksum = true;
    options.pathType = PathType::Relative;
    options.filterText = L"*.c";
    options.headerText = "<h>";
    options.footerText = "</f>";
    options.folder = L"C:\\d";
    options.outputPath = L"C:\\o.txt";
    ASSERT_TRUE(SaveSettings(SettingsFile(file), options));
    ASSERT_TRUE(SaveClosingKeys(SettingsFile(file), options, true));
    EXPECT_EQ("[CONFIG]\r\nOUTDIR=1\r\nTEMPLATE=0\r\nUPPER=0\r\nURL=0\r\nPATHTYPE=1\r\nSIZE=0\r\nDATE=0\r\n"
              "ATTR=0\r\nCRC16=1\r\nVERSION=0\r\nVERSIONP=0\r\nFILTER=0\r\nUTF8=0\r\nCOMPARE=0\r\nPAGE=0\r\nEXPAND=1\r\n"
              "SUBDIR=0\r\n[STRINGS]\r\nFILTER=*.c\r\nEXCLUDE=\r\nDIRNAME=C:\\d\r\nFILENAME=C:\\o.txt\r\n"
              "[TEMPLATE]\r\nSTART=<h>\r\nEND=</f>\r\nLOOP=\r\n",
              ReadWholeFile(file));
}

TEST(SaveSettings, TemplatesLongerThanTheReadLengthComeBackWhole) {
    TempFolder folder;
    ListingOptions saved;
    for (int i = 0; saved.headerText.size() < 7500; ++i)
        saved.headerText += "<td>表\\ソ\t" + std::to_string(i) + "</td>\r\n";
    saved.footerText = "</table>";
    std::wstring file = Wide(folder / "long.ini");
    ASSERT_TRUE(SaveSettings(SettingsFile(file), saved));
    EXPECT_EQ(saved.headerText, Load(file).headerText);
    EXPECT_EQ(saved.footerText, Load(file).footerText);
    // A LENGTH that already holds the texts is left as written.
    file = Wide(folder.WriteFile("hand.ini", "[TEMPLATE]\r\nLENGTH=30000\r\n"));
    ASSERT_TRUE(SaveSettings(SettingsFile(file), saved));
    EXPECT_NE(CString::npos, ReadWholeFile(file).find("LENGTH=30000\r\n"));
    EXPECT_EQ(saved.headerText, Load(file).headerText);
}

TEST(SaveSettings, AValueThatDoesNotReadBackIsReportedAndTheOldOneStays) {
    TempFolder folder;
    std::wstring file = Wide(folder.WriteFile("q.ini", "[STRINGS]\r\nFILTER=*.old\r\nEXCLUDE=old\r\n"));
    ListingOptions options;
    options.url = true;
    options.filterText = L"*.\u00e9";  // not of the code page: it would come back as "*.?"
    options.excludeText = L"\u00e9*";
    EXPECT_FALSE(SaveSettings(SettingsFile(file), options));
    EXPECT_EQ(L"*.old", Load(file).filterText);
    EXPECT_EQ(L"old", Load(file).excludeText) << "the exclusions alike";
    EXPECT_TRUE(Load(file).url) << "the other keys are written";
}

TEST(SaveClosingKeys, PathsAndFilterOf260BytesAndMoreComeBackWhole) {
    TempFolder folder;
    std::wstring file = Wide(folder / "paths.ini");
    ListingOptions saved;
    CString folderText = "C:\\";
    while (folderText.size() < 300) folderText += "表示フォルダ\\";
    folderText += "末尾";
    saved.folder = Wide(folderText);
    saved.outputPath = Wide(folderText + "\\一覧.txt");
    for (int i = 0; saved.filterText.size() < 400; ++i) saved.filterText += L"*.表" + std::to_wstring(i) + L";";
    ASSERT_TRUE(SaveClosingKeys(SettingsFile(file), saved, false));
    ASSERT_TRUE(SaveSettings(SettingsFile(file), saved));
    Loaded loaded = Load(file);
    EXPECT_EQ(saved.folder, loaded.folder);
    EXPECT_EQ(saved.outputPath, loaded.outputPath);
    EXPECT_EQ(saved.filterText, loaded.filterText);
}

TEST(SaveClosingKeys, WritesItsFourKeysOnly) {
    TempFolder folder;
    std::wstring file = Wide(folder / "close.ini");
    ListingOptions options;
    options.subfolders = true;
    options.folder = Wide("C:\\a");
    SaveClosingKeys(SettingsFile(file), options, false);
    EXPECT_EQ("[CONFIG]\r\nEXPAND=0\r\nSUBDIR=1\r\n[STRINGS]\r\nDIRNAME=C:\\a\r\nFILENAME=\r\n",
              ReadWholeFile(file));
}

SaveFileChoices ChoicesOf(const std::wstring& file) {
    return SettingsFile(file).ReadSaveFileChoices(LoadResourceString(IDS_SAVE_FILTER));
}

TEST(SaveFileChoices, DefaultsWholeValuesAndAMendedEnd) {
    TempFolder folder;
    SaveFileChoices none = ChoicesOf(Wide(folder / "none.ini"));
    EXPECT_EQ("テキスト (*.txt)|*.txt|HTML ドキュメント (*.html;*.htm)|*.html;*.htm|CSV (*.csv)|*.csv|"
              "JSON Lines (*.jsonl)|*.jsonl|SFV (*.sfv)|*.sfv|すべてのファイル (*.*)|*.*||",
              none.filter);
    EXPECT_EQ("txt", none.defaultExtension);

    CString list;
    for (int i = 0; i < 40; ++i) list += "表示" + std::to_string(i) + "|*.x" + std::to_string(i) + "|";
    ASSERT_GT(list.size(), 400u);
    std::wstring file = Wide(folder.WriteFile("s.ini", "[SAVEFILE]\r\nFILTER=" + list + "|\r\nDEFAULT=htm\r\n"));
    EXPECT_EQ(list + "|", ChoicesOf(file).filter);
    EXPECT_EQ("htm", ChoicesOf(file).defaultExtension);

    file = Wide(folder.WriteFile("s.ini", "[SAVEFILE]\r\nFILTER=All|*.*\r\n"));
    EXPECT_EQ("All|*.*||", ChoicesOf(file).filter);
    file = Wide(folder.WriteFile("s.ini", "[SAVEFILE]\r\nFILTER=All|*.*|\r\n"));
    EXPECT_EQ("All|*.*||", ChoicesOf(file).filter);
    // The second byte of ポ is 0x7C: not a separator.
    file = Wide(folder.WriteFile("s.ini", "[SAVEFILE]\r\nFILTER=A|*.ポ\r\n"));
    EXPECT_EQ("A|*.ポ||", ChoicesOf(file).filter);
}

}  // namespace
