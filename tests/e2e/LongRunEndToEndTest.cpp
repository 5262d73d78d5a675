// A long run seen from outside: the count rising in the caption, a Cancel that stops it with
// what was found until then (header, a prefix of the entries, footer), and the caption as it
// was afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/TempFolder.h"
#include "support/UnixSide.h"
#include "res/resource.h"

namespace {

std::wstring Caption(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// The number in "… - 12,345 件", or -1 when the caption shows none.
long long CountIn(const std::wstring& caption) {
    const size_t dash = caption.find(L" - ");
    if (dash == std::wstring::npos) return -1;
    long long count = 0;
    for (size_t i = dash + 3; i < caption.size() && caption[i] != L' '; ++i)
        if (caption[i] != L',') count = count * 10 + (caption[i] - L'0');
    return count;
}

TEST(LongRun, TheCaptionCountsAndCancelStopsWithTheEntriesFoundSoFar) {
    const std::wstring caption = Wide(kMainDialogCaption);
    TempFolder folder;
    const std::string exe = folder / "quillmark.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe.c_str(), FALSE)) << BuiltProgramPath();
    const std::string data = folder.MakeDir("many");
    // 100,000 empty files, made on the Unix side in a second or two, and in a folder below them
    // a file whose checksum would take many minutes: the run is still going when Cancel comes.
    ASSERT_TRUE(RunUnixShell("cd '" + UnixPath(data) +
                             "' && seq 100000 | sed 's/^/f/' | xargs touch && mkdir zz && truncate -s 4T zz/huge.bin"));
    folder.WriteFile("quillmark.ini",
                     "[CONFIG]\r\nCRC16=1\r\nTEMPLATE=1\r\n[TEMPLATE]\r\nSTART=<head>\r\nLOOP=%FILE% %CRC%\r\n"
                     "END=<foot>\r\n");
    const std::string output = folder / "out.txt";

    ProgramProcess program(Wide(exe), L"");
    ASSERT_TRUE(program.Started());
    HWND dialog = WaitForMainDialog(kProgramWait);
    ASSERT_NE(dialog, nullptr);
    SetItemText(dialog, IDC_MAIN_FOLDER, data);
    SetItemText(dialog, IDC_MAIN_OUTPUT, output);
    PostClick(dialog, IDOK);

    long long first = -1;
    ASSERT_TRUE(WaitUntil([&] { return (first = CountIn(Caption(dialog))) > 0; }, kProgramWait)) << "a count shows";
    EXPECT_EQ(0u, Caption(dialog).find(caption + L" - "));
    long long later = -1;
    EXPECT_TRUE(WaitUntil([&] { return (later = CountIn(Caption(dialog))) > first; }, kProgramWait)) << "and rises";
    Sleep(1000);

    PostClick(dialog, IDCANCEL);
    HWND box = WaitForOwnedDialog(dialog, kBoxCaption, kProgramWait);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ("ユーザーの指示により停止しました", BoxMessage(box));
    PostClick(box, IDOK);

    EXPECT_TRUE(WaitUntil([&] { return Caption(dialog) == caption; }, kProgramWait)) << "the caption is normal again";
    const std::string listing = ReadWholeFile(output);
    const size_t lines = static_cast<size_t>(std::count(listing.begin(), listing.end(), '\n'));
    EXPECT_EQ(0u, listing.find("<head>\r\n"));
    EXPECT_EQ(listing.size() - 8, listing.rfind("<foot>\r\n"));
    EXPECT_GT(lines, 2u + static_cast<size_t>(later) - 1);
    EXPECT_EQ(std::string::npos, listing.find("huge.bin")) << "cut short";

    PostClick(dialog, IDCANCEL);
    EXPECT_TRUE(program.Exited(kProgramWait));
    RunUnixShell("rm -rf '" + UnixPath(data) + "'");  // faster than through Wine
}

}  // namespace
