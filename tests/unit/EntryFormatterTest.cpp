// Entry texts from found records that a test cannot easily make on disk.
#include <gtest/gtest.h>

#include "format/EntryFormatter.h"
#include "text/CodePageText.h"

namespace {

// The record of an entry as a walk finds it (its name is given with it, in the output's encoding).
FoundEntry Entry(DWORD attributes, DWORD sizeHigh, DWORD sizeLow) {
    FoundEntry entry;
    entry.attributes = attributes;
    entry.size = (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow;
    SYSTEMTIME st = {2020, 2, 0, 29, 23, 59, 58, 999};  // UTC; milliseconds are dropped
    SystemTimeToFileTime(&st, &entry.written);
    return entry;
}

// One entry through a formatter of code-page output, as a run makes it.
CString FormatEntry(const ListingOptions& options, EntryTexts& texts, FoundEntry entry, const CString& name,
                    size_t linesBefore) {
    entry.name = name;
    EntryFormatter formatter(options, CodePageText::System(), texts);
    formatter.Format(entry, linesBefore);
    return formatter.Line();
}

TEST(EntryFormatter, SizesBeyondTwoGibibytesAreTheFullUnsignedSize) {
    ListingOptions switches;
    switches.size = 1;
    EntryTexts texts;
    EXPECT_EQ("a\t2147483648", FormatEntry(switches, texts, Entry(0, 0, 0x80000000u), "a", 0));
    EXPECT_EQ("a\t4294967301", FormatEntry(switches, texts, Entry(0, 1, 5), "a", 0));
    EXPECT_EQ("a\t0", FormatEntry(switches, texts, Entry(0, 0, 0), "a", 0));
}

TEST(EntryFormatter, ANameLongerThan259BytesIsListedWhole) {
    // 150 kanji: 300 bytes in code page 932, a legal name of 150 UTF-16 units on NTFS.
    std::string name;
    for (int i = 0; i < 150; ++i) name += "表";
    name += ".txt";
    const FoundEntry record = Entry(0, 0, 3);
    ListingOptions switches;
    switches.size = 1;
    EntryTexts texts;
    EXPECT_EQ(name + "\t3", FormatEntry(switches, texts, record, name, 0));
    EXPECT_EQ(name, texts.file);
}

TEST(EntryFormatter, AttributeLettersInTheirFixedPositions) {
    EXPECT_EQ("  A  ", AttributeLetters(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(" R H ", AttributeLetters(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ("DRAHS", AttributeLetters(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE |
                                        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_COMPRESSED));
    EXPECT_EQ("     ", AttributeLetters(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_TEMPORARY));
}

TEST(EntryFormatter, DatesAreLocalWholeSecondsAndEmptyBeyondYear9999) {
    FILETIME utc = Entry(0, 0, 0).written;
    CString date = "old";
    LocalDateText(utc, date);
    EXPECT_EQ("2020/03/01 08:59:58", date) << "UTC+9 crosses into a leap-year March";
    SYSTEMTIME distant = {12000, 1, 0, 1, 0, 0, 0, 0};
    ASSERT_TRUE(SystemTimeToFileTime(&distant, &utc));
    LocalDateText(utc, date);
    EXPECT_EQ("", date);
}

TEST(EntryFormatter, TextsAreFilledEvenWhenTheirColumnsAreOff) {
    ListingOptions switches;
    EntryTexts texts;
    texts.dir = "sub\\";
    texts.location = "C:\\nowhere\\sub\\";
    const FoundEntry entry = Entry(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, 0, 42);
    EXPECT_EQ("sub\\Name.TXT", FormatEntry(switches, texts, entry, "Name.TXT", 6));
    EXPECT_EQ("Name.TXT", texts.file);
    EXPECT_EQ("7", texts.count);
    EXPECT_EQ("42", texts.size);
    EXPECT_EQ(" RA  ", texts.attribute);
    EXPECT_EQ("2020/03/01 08:59:58", texts.date);
    EXPECT_EQ("", texts.crc) << "not computed when nothing needs it";
}

TEST(EntryFormatter, TemplateModeLineIsTheExpandedRepeatText) {
    ListingOptions switches;
    switches.useTemplate = 1;
    switches.size = 1;  // columns do not shape a template line
    switches.upperCase = 1;
    switches.repeatText = "%count%: %PATH% (%File%) %DIR%";
    EntryTexts texts;
    texts.dir = "sub\\";
    EXPECT_EQ("3: SUB\\AB.TXT (ab.txt) sub\\", FormatEntry(switches, texts, Entry(0, 0, 1), "ab.txt", 2));
}

}  // namespace
