// The main dialog's groups as both languages' templates give them: the path-form radio pair
// alone starts a group, and still reads and writes the path form.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <set>

#include "ScriptedMainDialog.h"
#include "res/resource.h"

namespace {

// Steps over a name-or-ordinal field of a dialog template.
const BYTE* SkipNameOrOrdinal(const BYTE* p) {
    const WORD* word = reinterpret_cast<const WORD*>(p);
    if (*word == 0xFFFF) return p + 4;
    while (*word) ++word;
    return reinterpret_cast<const BYTE*>(word + 1);
}

const BYTE* AlignToDword(const BYTE* p, const BYTE* start) {
    return start + ((p - start + 3) & ~static_cast<std::ptrdiff_t>(3));
}

// The ids of the main dialog's controls that carry WS_GROUP, in the template of that language;
// static texts aside (a label starts a group as the resource compiler makes it, and is never
// a stop of the arrow keys).
std::set<DWORD> GroupStarts(LANGID language) {
    HRSRC found = FindResourceExW(nullptr, MAKEINTRESOURCEW(5) /* dialog */, MAKEINTRESOURCEW(IDD_MAIN), language);
    if (!found) return {};
    const BYTE* start = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    // DLGTEMPLATEEX: version, signature, help id, extended style, style, item count, x, y, cx, cy.
    WORD items = 0;
    std::memcpy(&items, start + 16, sizeof items);
    DWORD dialogStyle = 0;
    std::memcpy(&dialogStyle, start + 12, sizeof dialogStyle);
    const BYTE* p = start + 26;
    p = SkipNameOrOrdinal(SkipNameOrOrdinal(p));                  // menu, class
    p = SkipNameOrOrdinal(p);                                    // caption
    if (dialogStyle & DS_SETFONT) p = SkipNameOrOrdinal(p + 6);  // size, weight, italic, charset, face
    std::set<DWORD> groups;
    for (WORD i = 0; i < items; ++i) {
        // DLGITEMTEMPLATEEX: help id, extended style, style, x, y, cx, cy, id, class, title, extra.
        p = AlignToDword(p, start);
        DWORD style = 0, id = 0;
        std::memcpy(&style, p + 8, sizeof style);
        std::memcpy(&id, p + 20, sizeof id);
        WORD classWords[2] = {};
        std::memcpy(classWords, p + 24, sizeof classWords);
        const bool staticText = classWords[0] == 0xFFFF && classWords[1] == 0x0082;
        p = SkipNameOrOrdinal(SkipNameOrOrdinal(p + 24));
        WORD extra = 0;
        std::memcpy(&extra, p, sizeof extra);
        p += 2 + extra;
        if ((style & WS_GROUP) && !staticText) groups.insert(id);
    }
    return groups;
}

TEST(MainDialogGroups, OnlyThePathFormPairStartsAGroupAndStillReadsAndWrites) {
    const std::set<DWORD> pathForm{IDC_MAIN_ABSOLUTE};
    EXPECT_EQ(pathForm, GroupStarts(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)));
    EXPECT_EQ(pathForm, GroupStarts(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));

    TempFolder folder;
    ScriptedMainDialog dialog(folder);
    dialog.Run([&](ScriptedMainDialog& d) {
        d.Click(IDC_MAIN_RELATIVE);
        d.Click(IDC_MAIN_UPPER_CASE);  // a box after the pair leaves it as it is
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_RELATIVE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_ABSOLUTE));
        d.Click(IDC_MAIN_SAVE);
        EXPECT_EQ("1", IniValue(folder / "qmtest.ini", "CONFIG", "PATHTYPE"));
        d.options.pathType = PathType::Absolute;
        d.UpdateData(false);
        EXPECT_TRUE(d.IsChecked(IDC_MAIN_ABSOLUTE));
        EXPECT_FALSE(d.IsChecked(IDC_MAIN_RELATIVE));
    });
}

}  // namespace
