// The template settings button and the template dialog, driven as a user would.
#include <gtest/gtest.h>

#include "ScriptedMainDialog.h"
#include "support/ModalDriver.h"
#include "res/resource.h"

namespace {

void SetTexts(ScriptedMainDialog& d) {
    d.options.headerText = "<html>\r\n<body>";
    d.options.repeatText = "%PATH%";
    d.options.footerText = "</body>\r\n</html>";
}

TEST(TemplateDialog, ShowsTheTextsAndOkCopiesTheEditsBack) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetTexts(d);
        // Typed but not yet read: the template button must neither read nor overwrite it.
        d.options.folder = Wide("C:\\field");
        SetDlgItemTextA(d.Window(), IDC_MAIN_FOLDER, "C:\\typed");
        ModalDriver driver(d.Window());
        driver.Then([&](HWND t) {
            EXPECT_EQ(GetWindow(t, GW_OWNER), d.Window());
            EXPECT_FALSE(IsWindowEnabled(d.Window()));  // modal over the main dialog
            EXPECT_EQ(ItemText(t, IDC_TEMPLATE_HEADER), "<html>\r\n<body>");
            EXPECT_EQ(ItemText(t, IDC_TEMPLATE_REPEAT), "%PATH%");
            EXPECT_EQ(ItemText(t, IDC_TEMPLATE_FOOTER), "</body>\r\n</html>");
            SetDlgItemTextA(t, IDC_TEMPLATE_HEADER, "");
            // Enter inserts a line break instead of pressing OK.
            HWND repeat = GetDlgItem(t, IDC_TEMPLATE_REPEAT);
            SetFocus(repeat);
            SetWindowTextA(repeat, "一");
            SendMessageA(repeat, EM_SETSEL, 2, 2);
            PostMessageA(repeat, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageA(repeat, WM_CHAR, '\r', 1);
            PostMessageA(repeat, WM_CHAR, 'b', 1);
            PostClick(t, IDOK);
        });
        d.Click(IDC_MAIN_EDIT_TEMPLATE);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(d.options.headerText, "");
        EXPECT_EQ(d.options.repeatText, "一\r\nb");
        EXPECT_EQ(d.options.footerText, "</body>\r\n</html>");
        EXPECT_EQ(ItemText(d.Window(), IDC_MAIN_FOLDER), "C:\\typed");
        EXPECT_EQ(Narrow(d.options.folder), "C:\\field");
    });
}

TEST(TemplateDialog, AReadyTemplateFillsTheTextsWhichOkKeeps) {
    const char* const kCsvHeader =
        "path,name,size,date,attributes%?CRC%,crc32%?%%?SHA256%,sha256%?%%?VERSION%,file_version%?%%?PRODUCTVERSION%,"
        "product_version%?%";
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetTexts(d);
        ModalDriver driver(d.Window());
        driver.Then([&](HWND t) {
            HWND list = GetDlgItem(t, IDC_TEMPLATE_READY);
            EXPECT_EQ(8, SendMessageA(list, CB_GETCOUNT, 0, 0));
            EXPECT_EQ(ItemText(t, IDC_TEMPLATE_REPEAT), "%PATH%") << "nothing chosen yet";
            SendMessageA(list, CB_SETCURSEL, 3, 0);  // after the invitation: html, html-table, csv
            SendMessageA(t, WM_COMMAND, MAKEWPARAM(IDC_TEMPLATE_READY, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
            EXPECT_EQ(ItemText(t, IDC_TEMPLATE_HEADER), kCsvHeader);
            PostClick(t, IDOK);
        });
        d.Click(IDC_MAIN_EDIT_TEMPLATE);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(d.options.headerText, kCsvHeader);
        EXPECT_EQ(d.options.repeatText,
                  "%PATH:sheet%,%FILE:sheet%,%SIZE%,%DATE%,%ATTRIBUTE:csv%%?CRC%,%CRC:sheet%%?%%?SHA256%,%SHA256:sheet%%?%"
                  "%?VERSION%,%VERSION:csv%%?%%?PRODUCTVERSION%,%PRODUCTVERSION:csv%%?%");
        EXPECT_EQ(d.options.footerText, "");
    });
}

TEST(TemplateDialog, CancelEscAndCloseBoxChangeNothing) {
    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        SetTexts(d);
        // The cancel button, then Esc, then the close box.
        for (auto close : {+[](HWND t) { PostClick(t, IDCANCEL); },
                           +[](HWND t) {
                               PostMessageA(GetDlgItem(t, IDC_TEMPLATE_HEADER), WM_KEYDOWN, VK_ESCAPE, 1);
                           },
                           +[](HWND t) { PostMessageA(t, WM_SYSCOMMAND, SC_CLOSE, 0); }}) {
            ModalDriver driver(d.Window());
            driver.Then([&](HWND t) {
                SetDlgItemTextA(t, IDC_TEMPLATE_HEADER, "changed");
                SetDlgItemTextA(t, IDC_TEMPLATE_FOOTER, "");
                close(t);
            });
            d.Click(IDC_MAIN_EDIT_TEMPLATE);
            EXPECT_TRUE(driver.Finished());
            EXPECT_EQ(d.options.headerText, "<html>\r\n<body>");
            EXPECT_EQ(d.options.repeatText, "%PATH%");
            EXPECT_EQ(d.options.footerText, "</body>\r\n</html>");
        }
    });
}

}  // namespace
