// Data exchange in both directions and the enabling rules of the main dialog.
#include <gtest/gtest.h>

#include <set>

#include "ScriptedMainDialog.h"
#include "support/DialogItems.h"
#include "res/resource.h"

namespace {

TEST(MainDialogExchange, FieldsToControlsAndBack) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.options.folder = Wide("D:\\ソフト\\表");
        d.options.outputPath = Wide("out.txt");
        d.options.filterText = L"*.c;*.h";
        d.options.pathType = PathType::Relative;
        d.options.url = true;
        d.options.subfolders = false;
        d.options.checksum = false;
        d.UpdateData(false);
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), "D:\\ソフト\\表");
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FILTER_TEXT), "*.c;*.h");
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_RELATIVE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_ABSOLUTE));
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_URL));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_SUBFOLDERS));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_CHECKSUM));

        SetDlgItemTextA(d.Window(), IDC_MAIN_OUTPUT, "C:\\出力\\一覧.txt");
        d.Click(IDC_MAIN_ABSOLUTE);
        d.Click(IDC_MAIN_PRODUCT_VERSION);
        d.UpdateData(true);
        EXPECT_EQ(Narrow(d.options.outputPath), "C:\\出力\\一覧.txt");
        EXPECT_EQ(d.options.pathType, PathType::Absolute);
        EXPECT_TRUE(d.options.productVersion);

        // No radio checked reads as unchosen, and the check boxes after the group are not counted.
        d.SetCheck(IDC_MAIN_ABSOLUTE, false);
        d.UpdateData(true);
        EXPECT_EQ(d.options.pathType, PathType::Unchosen);
    });
}

TEST(MainDialogRules, FilterTemplateAndCaseRules) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.Click(IDC_MAIN_FILTER);
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));
        d.Click(IDC_MAIN_FILTER);
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_EXCLUDE_TEXT)) << "whatever the filter switch says";

        d.Click(IDC_MAIN_USE_TEMPLATE);
        for (int id : {IDC_MAIN_SIZE, IDC_MAIN_ATTRIBUTES, IDC_MAIN_FILE_VERSION, IDC_MAIN_DATE,
                       IDC_MAIN_CHECKSUM, IDC_MAIN_PRODUCT_VERSION})
            EXPECT_FALSE(d.IsItemEnabled(id)) << id;
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_SIZE));  // marks unchanged
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_EDIT_TEMPLATE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_DIRECTORY_NAMES));
        d.Click(IDC_MAIN_USE_TEMPLATE);
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_SIZE));

        ASSERT_TRUE(d.IsChecked(IDC_MAIN_UPPER_CASE));
        d.Click(IDC_MAIN_LOWER_CASE);
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_LOWER_CASE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_UPPER_CASE));
        d.Click(IDC_MAIN_UPPER_CASE);
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_UPPER_CASE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_LOWER_CASE));
        d.Click(IDC_MAIN_UPPER_CASE);  // clearing one never checks the other
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_UPPER_CASE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_LOWER_CASE));
    });
}

TEST(MainDialogRules, PageTemplateAndComparisonGreyEachOther) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.Click(IDC_MAIN_PAGE);
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_USE_TEMPLATE));
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_COMPARE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_SIZE)) << "the page shows the chosen columns";
        d.Click(IDC_MAIN_PAGE);
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_USE_TEMPLATE));

        d.Click(IDC_MAIN_USE_TEMPLATE);
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_PAGE));
        d.Click(IDC_MAIN_USE_TEMPLATE);
        d.Click(IDC_MAIN_COMPARE);
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_PAGE));
        d.Click(IDC_MAIN_COMPARE);
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_PAGE));

        // Both marked, as a settings file may keep them: the page stays free and greys them.
        d.SetCheck(IDC_MAIN_USE_TEMPLATE, true);
        d.SetCheck(IDC_MAIN_COMPARE, true);
        d.Click(IDC_MAIN_PAGE);
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_PAGE));
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_USE_TEMPLATE));
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_COMPARE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_SIZE));
    });
}

std::set<int> EnabledChildren(HWND dialog) {
    std::set<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowEnabled(child)) ids.insert(GetDlgCtrlID(child));
    return ids;
}

TEST(MainDialogRules, LockingForARunLeavesOnlyCancelUsable) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.Click(IDC_MAIN_USE_TEMPLATE);
        d.EnableControls(false);
        // The captioned frames (id -1) and the hidden finish button are never touched.
        EXPECT_EQ(EnabledChildren(d.Window()), (std::set<int>{IDCANCEL, IDC_MAIN_FINISH, IDC_STATIC}));
        d.EnableControls(true);
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));  // rules applied again
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_SIZE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_FILTER_FRAME));
        EXPECT_TRUE(d.IsItemEnabled(IDOK));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_SAVE));
    });
}

}  // namespace
