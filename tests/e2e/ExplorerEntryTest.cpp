// Explorer's menu entry as the console program writes it and as Explorer uses it: the command
// read back from the registry, its placeholder replaced as Explorer replaces it, started.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConsoleProgram.h"
#include "ProgramProcess.h"
#include "ProgramWindows.h"
#include "support/DialogItems.h"
#include "support/RegistryText.h"
#include "support/TempFolder.h"
#include "res/resource.h"

namespace {

const std::wstring kClasses = L"Software\\Classes\\";

struct Place {
    const wchar_t* shell;
    const wchar_t* placeholder;
};
const Place kPlaces[] = {
    {L"Directory\\shell", L"%1"}, {L"Directory\\Background\\shell", L"%V"}, {L"Drive\\shell", L"%1"}};

std::wstring VerbKey(const Place& place) { return kClasses + place.shell + L"\\Quillmark"; }

// The keys above the verbs; register may make them, unregister leaves them as they were.
const wchar_t* const kParents[] = {L"Directory", L"Directory\\shell", L"Directory\\Background",
                                   L"Directory\\Background\\shell", L"Drive", L"Drive\\shell"};

std::vector<bool> ParentsThere() {
    std::vector<bool> there;
    for (const wchar_t* parent : kParents) there.push_back(RegistryKeyExists(kClasses + parent));
    return there;
}

// Both programs in a folder of the test's own, so that the dialog's settings are private.
std::wstring CopyPrograms(const TempFolder& folder) {
    const std::wstring programs = Wide(folder.MakeDir("programs"));
    EXPECT_TRUE(CopyFileW(Wide(BuiltProgramPath()).c_str(), (programs + L"\\quillmark.exe").c_str(), FALSE));
    EXPECT_TRUE(CopyFileW(Wide(BuiltConsoleProgramPath()).c_str(), (programs + L"\\quillmark-cli.exe").c_str(), FALSE));
    return programs;
}

// Starts the place's command with the folder in its placeholder, as Explorer does, and reads
// the dialog's folder field.
std::string FolderFieldOfCommand(const Place& place, const std::wstring& folder) {
    std::wstring command = RegistryText(VerbKey(place) + L"\\command");
    const size_t at = command.find(place.placeholder);
    const size_t programEnd = command.find(L"\" ", 1);
    if (command.empty() || command[0] != L'"' || at == std::wstring::npos || programEnd == std::wstring::npos)
        return "<not a quoted program and placeholder: " + Narrow(command) + ">";
    command.replace(at, 2, folder);
    ProgramProcess program(command.substr(1, programEnd - 1), command.substr(programEnd + 2));
    HWND dialog = program.Started() ? WaitForMainDialog(kProgramWait) : nullptr;
    if (!dialog) return "<no dialog>";
    const std::string field = ItemText(dialog, IDC_MAIN_FOLDER);
    PostClick(dialog, IDCANCEL);
    EXPECT_TRUE(program.Exited(kProgramWait));
    return field;
}

TEST(ExplorerEntry, RegisterWritesThreePlacesThatOpenTheFolderAndUnregisterTakesExactlyThemAway) {
    TempFolder folder;
    const std::wstring programs = CopyPrograms(folder);
    const std::wstring cli = programs + L"\\quillmark-cli.exe", dialog = programs + L"\\quillmark.exe";
    const std::string listed = folder.MakeDir("写真 2026");
    const std::vector<bool> before = ParentsThere();

    ConsoleProgram added(cli, L"--register");
    ASSERT_EQ(0u, added.Finish()) << added.Err();
    EXPECT_NE(std::string::npos, added.Out().find("エクスプローラーのメニューに「Quillmarkで一覧を作成」を追加しました"))
        << added.Out();
    for (const Place& place : kPlaces) {
        EXPECT_NE(std::string::npos, added.Out().find("  HKEY_CURRENT_USER\\" + Narrow(VerbKey(place)) + "\r\n"));
        EXPECT_EQ(L"Quillmarkで一覧を作成", RegistryText(VerbKey(place)));
        EXPECT_EQ(dialog + L",0", RegistryText(VerbKey(place), L"Icon"));
        EXPECT_EQ(L"\"" + dialog + L"\" \"" + place.placeholder + L"\"", RegistryText(VerbKey(place) + L"\\command"));
    }
    EXPECT_EQ(listed, FolderFieldOfCommand(kPlaces[0], Wide(listed)));
    EXPECT_EQ(listed, FolderFieldOfCommand(kPlaces[1], Wide(listed)));
    // A drive's root arrives as "Z:\": inside the quotes it must stay that, not become Z:".
    EXPECT_EQ("Z:\\", FolderFieldOfCommand(kPlaces[2], L"Z:\\"));

    ConsoleProgram removed(cli, L"--unregister");
    ASSERT_EQ(0u, removed.Finish()) << removed.Err();
    EXPECT_EQ(0u, removed.Out().find("エクスプローラーのメニューから「Quillmark」の項目を削除しました。")) << removed.Out();
    for (const Place& place : kPlaces) EXPECT_FALSE(RegistryKeyExists(VerbKey(place))) << Narrow(VerbKey(place));
    EXPECT_EQ(before, ParentsThere()) << "the keys above the verbs are as they were";

    ConsoleProgram again(cli, L"--unregister");
    EXPECT_EQ(0u, again.Finish()) << again.Err();
    EXPECT_EQ("エクスプローラーのメニューに「Quillmark」の項目はありません。何も変更していません。\r\n", again.Out());
}

TEST(ExplorerEntry, AKeyThatCannotBeWrittenIsNamedWithTheReasonAndNoHalfEntryStays) {
    TempFolder folder;
    const std::wstring cli = CopyPrograms(folder) + L"\\quillmark-cli.exe";
    // Under a volatile key no lasting key can be made: the drive's command cannot be written.
    HKEY blocking = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, VerbKey(kPlaces[2]).c_str(), 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &blocking, nullptr));
    RegCloseKey(blocking);

    ConsoleProgram added(cli, L"--register");
    EXPECT_EQ(3u, added.Finish());
    const std::string key = "HKEY_CURRENT_USER\\" + Narrow(VerbKey(kPlaces[2])) + "\\command";
    EXPECT_EQ(0u, added.Err().find("レジストリ キーを変更できませんでした: " + key + " (")) << added.Err();
    EXPECT_GT(added.Err().size(), key.size() + 50) << "the system's reason";
    EXPECT_FALSE(RegistryKeyExists(VerbKey(kPlaces[0]))) << "the places written before are taken back";

    ConsoleProgram removed(cli, L"--unregister");
    EXPECT_EQ(0u, removed.Finish()) << removed.Err();
    EXPECT_FALSE(RegistryKeyExists(VerbKey(kPlaces[2])));
}

}  // namespace
