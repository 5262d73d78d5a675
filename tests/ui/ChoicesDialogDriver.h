#pragma once
// Answers the dropped-file choices dialog from inside the test's own message loop: while
// alive, every time the dialog opens on this thread the action runs on it (it should close
// the dialog, e.g. with a click on OK or Cancel).
#include <windows.h>
#include <functional>

class ChoicesDialogDriver {
public:
    using Action = std::function<void(HWND choices)>;
    explicit ChoicesDialogDriver(Action action);
    ~ChoicesDialogDriver();
    ChoicesDialogDriver(const ChoicesDialogDriver&) = delete;
    ChoicesDialogDriver& operator=(const ChoicesDialogDriver&) = delete;

    // How many times the dialog has opened.
    int Openings() const { return openings_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    Action action_;
    UINT_PTR timer_ = 0;
    int openings_ = 0;
};

// Clicks of a check box or button inside the choices dialog (BM_CLICK: a real click).
void ClickIn(HWND dialog, int id);
bool IsCheckedIn(HWND dialog, int id);
