#pragma once
// Answers modal dialogs that a handler opens, from inside their own message loops: each step
// waits for a new enabled dialog window ("#32770") of this thread and runs its action on it.
// A dialog that runs a modal child is disabled meanwhile, so the newest one is always the one
// found; once enabled again (its child closed) it counts as new for the next step. Actions should press buttons by posting, so that their effects run in the dialog's loop.
#include <windows.h>
#include <functional>
#include <set>
#include <string>
#include <vector>

class ModalDriver {
public:
    using Action = std::function<void(HWND dialog)>;
    // ignore: a window never to be taken for a new dialog (the main dialog).
    explicit ModalDriver(HWND ignore);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ModalDriver& Then(Action action);
    // Every step has run.
    bool Finished() const { return next_ == steps_.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    HWND ignore_;
    std::set<HWND> seen_;
    std::vector<Action> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
};

// Posts a click of a dialog's button.
void PostClick(HWND dialog, int id);
// A control's text, of any length.
std::string ItemText(HWND dialog, int id);
// The texts of a combo box's list.
std::vector<std::string> ComboItems(HWND combo);
