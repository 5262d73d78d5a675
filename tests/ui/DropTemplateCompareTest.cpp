// A listing of dropped paths with the compare box ticked and then greyed by the template: a
// path listing never compares, so the template shapes it as it does a folder run.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

TEST(DropTemplateCompare, DroppedFilesAndACommandLineFileShownWriteHeaderEntriesAndFooter) {
    TempFolder tree;
    const std::string a = tree.WriteFile("data\\a.txt", "a");
    const std::string b = tree.WriteFile("data\\b.txt", "bb");
    {
        MessageBoxRecorder boxes(IDNO);
        ScriptedMainDialog dialog(tree);
        dialog.Run([&](ScriptedMainDialog& d) {
            d.options.headerText = "HEAD";
            d.options.repeatText = "[%FILE%]";
            d.options.footerText = "FOOT";
            d.OnlyColumns({IDC_MAIN_COMPARE, IDC_MAIN_USE_TEMPLATE});
            EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_COMPARE));
            EXPECT_TRUE(d.IsChecked(IDC_MAIN_COMPARE)) << "a greyed box keeps its mark";
            SetItemText(d.Window(), IDC_MAIN_OUTPUT, tree / "out.txt");
            d.Drop({b, a});
        });
        EXPECT_EQ(ReadWholeFile(tree / "out.txt"), "HEAD\r\n[a.txt]\r\n[b.txt]\r\nFOOT\r\n");
    }
    // Saved so, with no output path: the file named on the command line, shown through the
    // choices, goes to the default output.
    tree.WriteFile("qmtest.ini", "[CONFIG]\r\nTEMPLATE=1\r\nCOMPARE=1\r\n"
                                 "[TEMPLATE]\r\nSTART=HEAD\r\nLOOP=[%FILE%]\r\nEND=FOOT\r\n");
    MessageBoxRecorder boxes;
    ModalDriver driver(kDropChoicesCaption, [](HWND c) {
        ClickIn(c, IDC_DROP_SHOW_FILE);
        ClickIn(c, IDOK);
    });
    ScriptedMainDialog dialog(tree, a);
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_TRUE(WaitUntil([&] { return !d.IsRunning() && d.IsItemEnabled(IDOK); }));
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_COMPARE) && !d.IsItemEnabled(IDC_MAIN_COMPARE));
    });
    EXPECT_EQ(driver.Openings(), 1);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ReadWholeFile(tree / "qmtest.txt"), "HEAD\r\n[a.txt]\r\nFOOT\r\n");
}

}  // namespace
