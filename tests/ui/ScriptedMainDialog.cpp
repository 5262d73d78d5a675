#include "ScriptedMainDialog.h"

#include "framework/MessageBox.h"
#include "support/DropFiles.h"
#include "res/resource.h"

namespace {
const UINT kRunScript = WM_APP + 17;
}

ScriptedMainDialog::ScriptedMainDialog(const TempFolder& folder, const std::string& commandLine)
    : CMainDialog(Wide(commandLine), Wide(folder / "qmtest.exe")) {}

ScriptedMainDialog::ScriptedMainDialog(const TempFolder& folder, const std::wstring& commandLine)
    : CMainDialog(commandLine, Wide(folder / "qmtest.exe")) {}

INT_PTR ScriptedMainDialog::Run(Script script) {
    script_ = std::move(script);
    return DoModal();
}

void ScriptedMainDialog::Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

void ScriptedMainDialog::OnlyColumns(std::initializer_list<int> ids) {
    for (int id : {IDC_MAIN_SIZE, IDC_MAIN_DATE, IDC_MAIN_ATTRIBUTES, IDC_MAIN_UPPER_CASE}) Click(id);
    for (int id : ids) Click(id);
}

RECT ScriptedMainDialog::WindowRect() const {
    RECT r;
    GetWindowRect(Window(), &r);
    return r;
}

void ScriptedMainDialog::SendDrop(const std::vector<std::wstring>& paths) {
    SendMessageW(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
}

void ScriptedMainDialog::SendDrop(const std::vector<std::string>& paths) {
    SendMessageA(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
}

void ScriptedMainDialog::Drop(const std::vector<std::string>& paths) {
    SendDrop(paths);
    WaitUntil([&] { return !IsRunning() && IsItemEnabled(IDOK); });
}

INT_PTR ScriptedMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunScript) {
        script_(*this);
        if (Window() && IsWindowVisible(Window())) EndDialog(IDABORT);
        return TRUE;
    }
    INT_PTR result = CMainDialog::OnMessage(message, wParam, lParam);
    if (message == WM_INITDIALOG) PostMessageA(Window(), kRunScript, 0, 0);
    return result;
}
