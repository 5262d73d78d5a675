#pragma once
// Runs the real main dialog modally and, once its initialisation is over, runs a test script
// inside its message loop. Message boxes are answered by a recorder instead of being shown.
#include <windows.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/MessageBoxRecorder.h"
#include "support/TempFolder.h"
#include "support/WaitUntil.h"
#include "ui/MainDialog.h"

class ScriptedMainDialog : public CMainDialog {
public:
    using Script = std::function<void(ScriptedMainDialog&)>;
    // The executable path lies in the given folder, so the INI and TXT beside it are private.
    explicit ScriptedMainDialog(const TempFolder& folder, const std::string& commandLine = "");
    ScriptedMainDialog(const TempFolder& folder, const std::wstring& commandLine);

    // Runs the dialog; script runs once it is shown. A script that leaves the dialog open
    // has it ended with IDABORT. Returns the dialog's result.
    INT_PTR Run(Script script);

    // A real click (BM_CLICK): toggles an automatic check box and sends its notification.
    void Click(int id);
    // Clicks off what a first start has on (size, date, attributes, upper case), then clicks the
    // given boxes.
    void OnlyColumns(std::initializer_list<int> ids);
    // The screen rectangle of the dialog window.
    RECT WindowRect() const;
    // Sends a shell drop of the paths (UTF-16, as the shell's, or ANSI).
    void SendDrop(const std::vector<std::wstring>& paths);
    void SendDrop(const std::vector<std::string>& paths);
    // Sends a drop and waits until the listing it may start has ended.
    void Drop(const std::vector<std::string>& paths);

    // Starts runs in place of the worker start when set (to hold a run, or to fail its start).
    std::function<bool(ListingRun&)> startRun;

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool StartRun(ListingRun& run) override { return startRun ? startRun(run) : CMainDialog::StartRun(run); }
    Script script_;
};

// A run start that starts no worker: the dialog counts the run as running, and it never ends
// by itself.
inline bool HoldStart(ListingRun&) { return true; }

// The caption of the dropped-file choices dialog.
const char kDropChoicesCaption[] = "ドロップされたファイルの処理";
