// The system menu's check item for Explorer's menu entry: checked while the entry is there,
// and a click adds or removes it. An entry that starts a program elsewhere (this one before
// its folder was moved) is quietly pointed here when the dialog starts.
#include <vector>

#include "framework/MessageBox.h"
#include "framework/ModuleText.h"
#include "common/ExplorerEntry.h"
#include "ui/MainDialog.h"
#include "res/resource.h"

namespace {

void ShowExplorerEntryState(HMENU menu, const std::wstring& program) {
    const bool present = QueryExplorerEntry(program) != ExplorerEntryState::Absent;
    const UINT check = present ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, IDM_EXPLORER_MENU, MF_BYCOMMAND | check);
}

}  // namespace

void CMainDialog::AddExplorerMenuItem(HMENU menu) {
    if (QueryExplorerEntry(executablePath) == ExplorerEntryState::Elsewhere) {
        RegistryFailure ignored;  // quietly: the item below shows how it stands
        RegisterExplorerEntry(executablePath, ignored);
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_EXPLORER_MENU, LoadResourceText(IDS_EXPLORER_MENU_ITEM).c_str());
    ShowExplorerEntryState(menu, executablePath);
}

void CMainDialog::ToggleExplorerEntry() {
    HMENU menu = GetSystemMenu(Window(), FALSE);
    // What the user saw decides, even if the console program changed the entry meanwhile.
    const bool shown = (GetMenuState(menu, IDM_EXPLORER_MENU, MF_BYCOMMAND) & MF_CHECKED) != 0;
    RegistryFailure failure;
    std::vector<std::wstring> removed;
    const bool done = shown ? UnregisterExplorerEntry(removed, failure) : RegisterExplorerEntry(executablePath, failure);
    if (!done) DialogMessageBox(Window(), RegistryFailureText(failure), MB_OK | MB_ICONERROR);
    ShowExplorerEntryState(menu, executablePath);
}
