// One dropped path (or the command-line path): folders, the choices dialog and its rules.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

// An action that checks the given boxes and presses OK.
ModalDriver::Action Choose(std::initializer_list<int> ids) {
    std::vector<int> boxes(ids);
    return [boxes](HWND choices) {
        for (int id : boxes) ClickIn(choices, id);
        ClickIn(choices, IDOK);
    };
}

// The main dialog's choices that a dropped file may change, as the controls show them.
struct Fields {
    std::string folder, output, filterText;
    bool filter;
};
Fields Read(ScriptedMainDialog& d) {
    HWND w = d.Window();
    return {ItemText(w, IDC_MAIN_FOLDER), ItemText(w, IDC_MAIN_OUTPUT), ItemText(w, IDC_MAIN_FILTER_TEXT),
            d.IsChecked(IDC_MAIN_FILTER)};
}

class DroppedFile : public ::testing::Test {
protected:
    void SetUp() override {
        list = tree.WriteFile("photos\\list.txt", "x");
        tree.MakeDir("typed");
    }
    // Runs a dialog with typed values in the fields, drops one path answered by action.
    Fields DropWith(const std::string& path, ModalDriver::Action action, int* openings = nullptr) {
        Fields after;
        ScriptedMainDialog dialog(tree);
        ModalDriver driver(kDropChoicesCaption, std::move(action));
        dialog.Run([&](ScriptedMainDialog& d) {
            SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, (tree / "typed").c_str());
            SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, "typed.txt");
            SetDlgItemTextA(d.Window(), IDC_MAIN_FILTER_TEXT, "*.doc");
            RECT before = d.WindowRect();
            d.Drop({path});
            after = Read(d);
            EXPECT_EQ(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT), after.filter);
            RECT now = d.WindowRect();
            EXPECT_EQ(now.bottom - now.top, before.bottom - before.top);  // never expanded
        });
        if (openings) *openings = driver.Openings();
        return after;
    }
    TempFolder tree;
    std::string list;
};

TEST_F(DroppedFile, EachChoiceAloneAndAllThreeTogether) {
    Fields f = DropWith(list, Choose({IDC_DROP_SAME_FOLDER}));
    EXPECT_EQ(f.folder, tree / "photos");
    EXPECT_EQ(f.output, "typed.txt");
    EXPECT_FALSE(f.filter);

    f = DropWith(list, Choose({IDC_DROP_EXTENSION_FILTER}));
    EXPECT_EQ(f.folder, tree / "typed");
    EXPECT_TRUE(f.filter);
    EXPECT_EQ(f.filterText, "*.txt");

    f = DropWith(list, Choose({IDC_DROP_OUTPUT_FILE}));
    EXPECT_EQ(f.output, list);
    EXPECT_EQ(f.folder, tree / "typed");
    EXPECT_FALSE(f.filter);

    f = DropWith(list, Choose({IDC_DROP_SAME_FOLDER, IDC_DROP_EXTENSION_FILTER, IDC_DROP_OUTPUT_FILE}));
    EXPECT_EQ(f.folder, tree / "photos");
    EXPECT_TRUE(f.filter);
    EXPECT_EQ(f.filterText, "*.txt");
    EXPECT_EQ(f.output, list);
}

TEST_F(DroppedFile, CancelOrNoChoiceChangesNothing) {
    ModalDriver::Action cancel = [](HWND c) {
        ClickIn(c, IDC_DROP_SAME_FOLDER);
        ClickIn(c, IDCANCEL);
    };
    for (auto action : {cancel, Choose({})}) {
        int openings = 0;
        Fields f = DropWith(list, action, &openings);
        EXPECT_EQ(openings, 1);
        EXPECT_EQ(f.folder, tree / "typed");
        EXPECT_EQ(f.output, "typed.txt");
        EXPECT_FALSE(f.filter);
        EXPECT_EQ(f.filterText, "*.doc");
    }
}

TEST_F(DroppedFile, ExtensionsKeepTheirCaseAndMayBeEmptyOrMissing) {
    std::string jpg = tree.WriteFile("photo.JPG", "j");
    EXPECT_EQ(DropWith(jpg, Choose({IDC_DROP_EXTENSION_FILTER})).filterText, "*.JPG");

    tree.WriteFile(L"dotted.", "d");  // a real name ending in a dot (made on other systems)
    Fields f = DropWith(tree / "dotted.", Choose({IDC_DROP_EXTENSION_FILTER}));
    EXPECT_TRUE(f.filter);
    EXPECT_EQ(f.filterText, "*.");

    std::string readme = tree.WriteFile("my.dir\\readme", "r");
    f = DropWith(readme, Choose({IDC_DROP_EXTENSION_FILTER, IDC_DROP_SAME_FOLDER}));
    EXPECT_FALSE(f.filter);  // no extension: neither the switch nor the text changes
    EXPECT_EQ(f.filterText, "*.doc");
    EXPECT_EQ(f.folder, tree / "my.dir");
}

TEST_F(DroppedFile, FoldersAreSplitAtTheRealBackslash) {
    std::string inTable = tree.WriteFile("データ\\表\\ソ.txt", "s");
    Fields f = DropWith(inTable, Choose({IDC_DROP_SAME_FOLDER, IDC_DROP_EXTENSION_FILTER}));
    EXPECT_EQ(f.folder, tree / "データ\\表");
    EXPECT_EQ(f.filterText, "*.txt");

    // A file at the root of a drive gives the drive alone.
    std::string rootFile = "C:\\qm-drop-root.ini";
    HANDLE file = CreateFileA(rootFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    f = DropWith(rootFile, Choose({IDC_DROP_SAME_FOLDER}));
    DeleteFileA(rootFile.c_str());
    EXPECT_EQ(f.folder, "C:");
}

TEST_F(DroppedFile, FoldersAndMissingPathsOpenNoDialog) {
    int openings = -1;
    Fields f = DropWith(tree / "photos", Choose({IDOK}), &openings);
    EXPECT_EQ(openings, 0);
    EXPECT_EQ(f.folder, tree / "photos");
    EXPECT_EQ(f.output, "typed.txt");  // what was typed survives

    EXPECT_EQ(DropWith("C:\\", Choose({IDOK}), &openings).folder, "C:\\");
    EXPECT_EQ(openings, 0);

    f = DropWith(tree / "gone.txt", Choose({IDOK}), &openings);
    EXPECT_EQ(openings, 0);
    EXPECT_EQ(f.folder, tree / "typed");
}

TEST_F(DroppedFile, ShowFileKeepsApartFromTheOtherChoices) {
    std::vector<std::string> failures;
    auto expect = [&](HWND c, bool same, bool ext, bool out, bool show, const char* step) {
        if (IsCheckedIn(c, IDC_DROP_SAME_FOLDER) != same || IsCheckedIn(c, IDC_DROP_EXTENSION_FILTER) != ext ||
            IsCheckedIn(c, IDC_DROP_OUTPUT_FILE) != out || IsCheckedIn(c, IDC_DROP_SHOW_FILE) != show)
            failures.push_back(step);
    };
    int openings = 0;
    Fields f = DropWith(list, [&](HWND c) {
        expect(c, false, false, false, false, "opens clear");
        for (int id : {IDC_DROP_SAME_FOLDER, IDC_DROP_EXTENSION_FILTER, IDC_DROP_OUTPUT_FILE}) ClickIn(c, id);
        expect(c, true, true, true, false, "three checked");
        ClickIn(c, IDC_DROP_SHOW_FILE);
        expect(c, false, false, false, true, "show clears the three");
        ClickIn(c, IDC_DROP_EXTENSION_FILTER);
        expect(c, false, true, false, false, "checking one clears show");
        ClickIn(c, IDC_DROP_SHOW_FILE);
        ClickIn(c, IDC_DROP_SHOW_FILE);
        expect(c, false, false, false, false, "clearing show leaves the three");
        CheckDlgButton(c, IDC_DROP_OUTPUT_FILE, BST_CHECKED);
        CheckDlgButton(c, IDC_DROP_SHOW_FILE, BST_CHECKED);
        ClickIn(c, IDC_DROP_OUTPUT_FILE);
        expect(c, false, false, false, false, "clearing one clears show");
        ClickIn(c, IDC_DROP_SAME_FOLDER);
        ClickIn(c, IDCANCEL);
    }, &openings);
    EXPECT_EQ(openings, 1);
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(f.folder, tree / "typed");
}

TEST_F(DroppedFile, EveryDropOpensClearAndShowFileListsTheFile) {
    MessageBoxRecorder boxes(IDNO);
    int clearOpenings = 0;
    ScriptedMainDialog dialog(tree);
    ModalDriver driver(kDropChoicesCaption, [&](HWND c) {
        bool clear = true;
        for (int id : {IDC_DROP_SAME_FOLDER, IDC_DROP_EXTENSION_FILTER, IDC_DROP_OUTPUT_FILE, IDC_DROP_SHOW_FILE})
            clear = clear && !IsCheckedIn(c, id);
        clearOpenings += clear;
        ClickIn(c, IDC_DROP_OUTPUT_FILE);
        ClickIn(c, IDC_DROP_SHOW_FILE);
        ClickIn(c, IDOK);
    });
    dialog.Run([&](ScriptedMainDialog& d) {
        d.OnlyColumns({});
        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, (tree / "out.txt").c_str());
        d.Drop({list});
        EXPECT_EQ(ReadWholeFile(tree / "out.txt"), list + "\r\n");
        d.Drop({tree.WriteFile("second.txt", "2")});
        EXPECT_EQ(ReadWholeFile(tree / "out.txt"), tree / "second.txt\r\n");
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_OUTPUT), tree / "out.txt");  // the output choice was cleared
    });
    EXPECT_EQ(driver.Openings(), 2);
    EXPECT_EQ(clearOpenings, 2);
    EXPECT_EQ(boxes.Boxes().size(), 2u);  // the end-of-run question, each time
}

}  // namespace

namespace {

// A dropped checksum file offers the check, which excludes the other choices; the check runs
// as a listing does, writes its report beside the file and ends in a box with the counts. Any
// other file offers no check.
TEST_F(DroppedFile, AChecksumFileCanBeVerified) {
    tree.WriteFile("photos\\a.txt", "abc");
    const std::string sums = tree.WriteFile(
        "photos\\photos.sha256", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad *a.txt\r\n"
                                 "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad *gone.txt\r\n");
    std::vector<std::string> failures;
    MessageBoxRecorder boxes(IDNO);
    Fields f = DropWith(sums, [&](HWND c) {
        if (!IsWindowEnabled(GetDlgItem(c, IDC_DROP_VERIFY))) failures.push_back("offered");
        ClickIn(c, IDC_DROP_SAME_FOLDER);
        ClickIn(c, IDC_DROP_VERIFY);
        if (IsCheckedIn(c, IDC_DROP_SAME_FOLDER) || !IsCheckedIn(c, IDC_DROP_VERIFY)) failures.push_back("alone");
        ClickIn(c, IDOK);
    });
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(f.folder, tree / "typed") << "nothing else was done";
    EXPECT_EQ("OK\ta.txt\r\nMISSING\tgone.txt\r\n", ReadWholeFile(sums + ".verify.txt"));
    ASSERT_EQ(1u, boxes.Boxes().size());
    const RecordedBox box = boxes.Boxes().front();
    EXPECT_NE(std::string::npos, box.text.find("一致 1 件、不一致 0 件、見つからない 1 件")) << box.text;
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), box.type & MB_TYPEMASK);

    DropWith(list, [&](HWND c) {
        if (IsWindowEnabled(GetDlgItem(c, IDC_DROP_VERIFY))) failures.push_back("not offered for list.txt");
        ClickIn(c, IDCANCEL);
    });
    EXPECT_TRUE(failures.empty()) << failures.front();
}

}  // namespace
