// The main dialog as it opens: settings into controls, rules applied, geometry, focus.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "framework/MessageBox.h"
#include "support/DialogItems.h"
#include "res/resource.h"

namespace {

const int kColumnBoxes[] = {IDC_MAIN_SIZE,     IDC_MAIN_ATTRIBUTES, IDC_MAIN_FILE_VERSION,
                            IDC_MAIN_DATE,     IDC_MAIN_CHECKSUM,   IDC_MAIN_PRODUCT_VERSION};

TEST(MainDialogStart, FirstStartShowsDefaultsCollapsedWithBuiltInTemplates) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_EQ(AppMainWindow(), d.Window());
        EXPECT_EQ(GetFocus(), d.Item(IDC_MAIN_BROWSE_FOLDER));
        for (int id : {IDC_MAIN_SUBFOLDERS, IDC_MAIN_SIZE, IDC_MAIN_DATE, IDC_MAIN_ATTRIBUTES,
                       IDC_MAIN_DIRECTORY_NAMES, IDC_MAIN_UPPER_CASE, IDC_MAIN_ABSOLUTE})
            EXPECT_TRUE(d.IsChecked(id)) << id;
        for (int id : {IDC_MAIN_URL, IDC_MAIN_CHECKSUM, IDC_MAIN_FILE_VERSION, IDC_MAIN_PRODUCT_VERSION,
                       IDC_MAIN_FILTER, IDC_MAIN_USE_TEMPLATE, IDC_MAIN_LOWER_CASE, IDC_MAIN_RELATIVE,
                       IDC_MAIN_EXPAND})
            EXPECT_FALSE(d.IsChecked(id)) << id;
        EXPECT_FALSE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));
        for (int id : kColumnBoxes) EXPECT_TRUE(d.IsItemEnabled(id)) << id;
        // Collapsed: the window ends 5 pixels below the filter frame's top edge.
        RECT frame;
        GetWindowRect(d.Item(IDC_MAIN_FILTER_FRAME), &frame);
        RECT collapsed = d.WindowRect();
        EXPECT_EQ(collapsed.bottom, frame.top + 5);
        EXPECT_EQ(d.collapsedHeight, collapsed.bottom - collapsed.top);
        EXPECT_EQ(d.windowWidth, collapsed.right - collapsed.left);
        EXPECT_GT(d.expandedHeight, d.collapsedHeight + 100);
    });
    EXPECT_EQ(Narrow(dialog.settingsFile.Path()), folder / "qmtest.ini");
    EXPECT_EQ(Narrow(dialog.defaultOutputPath), folder / "qmtest.txt");
    EXPECT_EQ(dialog.options.headerText,
              "<html>\r\n<head>\r\n<title> Quillmark OUTPUT</title>\r\n</head>\r\n<body>\r\n");
    EXPECT_EQ(dialog.options.repeatText,
              "<p><a href=\"%PATH:html%\">%FILE:html% %SIZE%Bytes %DATE% %ATTRIBUTES%</a></p>");
    EXPECT_EQ(dialog.options.footerText, "</body>\r\n</html>\r\n");
    EXPECT_EQ(IniValue(folder / "qmtest.ini", "CONFIG", "EXPAND"), "<none>");  // nothing written
}

TEST(MainDialogStart, ExpandButtonTogglesHeightKeepingWidthAndPosition) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        RECT collapsed = d.WindowRect();
        d.Click(IDC_MAIN_EXPAND);
        RECT expanded = d.WindowRect();
        EXPECT_EQ(expanded.left, collapsed.left);
        EXPECT_EQ(expanded.top, collapsed.top);
        EXPECT_EQ(expanded.right, collapsed.right);
        EXPECT_EQ(expanded.bottom - expanded.top, d.expandedHeight);
        d.Click(IDC_MAIN_EXPAND);
        RECT again = d.WindowRect();
        EXPECT_EQ(again.bottom - again.top, d.collapsedHeight);
    });
}

TEST(MainDialogStart, StoredChoicesReachTheControlsWithOutOfRangeValuesCleared) {
    TempFolder folder;
    std::string ini = folder / "qmtest.ini";
    auto put = [&](const char* section, const char* key, const char* value) {
        WritePrivateProfileStringA(section, key, value, ini.c_str());
    };
    put("CONFIG", "UPPER", "2");
    put("CONFIG", "PATHTYPE", "5");
    put("CONFIG", "SIZE", "abc");
    put("CONFIG", "DATE", "7");
    put("CONFIG", "FILTER", "1");
    put("CONFIG", "TEMPLATE", "1");
    put("CONFIG", "EXPAND", "1");
    put("STRINGS", "DIRNAME", "C:\\表示\\データ");
    put("STRINGS", "FILTER", "*.txt;*.ソ");
    put("TEMPLATE", "START", "<h1>\\r\\n");
    ScriptedMainDialog dialog(folder, "C:\\from the command line");
    dialog.Run([&](ScriptedMainDialog& d) {
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_LOWER_CASE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_UPPER_CASE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_ABSOLUTE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_RELATIVE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_SIZE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_DATE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_FILTER_TEXT));
        for (int id : kColumnBoxes) EXPECT_FALSE(d.IsItemEnabled(id)) << id;
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_EDIT_TEMPLATE));
        EXPECT_TRUE(d.IsItemEnabled(IDC_MAIN_DIRECTORY_NAMES));
        RECT r = d.WindowRect();
        EXPECT_EQ(r.bottom - r.top, d.expandedHeight);
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), "C:\\表示\\データ");
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FILTER_TEXT), "*.txt;*.ソ");
    });
    EXPECT_FALSE(dialog.options.date);
    EXPECT_EQ(dialog.options.pathType, PathType::Unchosen);
    EXPECT_EQ(dialog.options.headerText, "<h1>\r\n");
    EXPECT_EQ(dialog.options.repeatText, "");  // one stored text: no built-in ones
    EXPECT_EQ(Narrow(dialog.commandLinePath), "C:\\from the command line");
}

}  // namespace
