#pragma once
// Answers modal dialogs that the code under test opens on this thread, from inside their own
// message loops: a timer polls for a new dialog window ("#32770", shown and enabled) and runs
// an action on it. A dialog that runs a modal child is disabled meanwhile, so the newest one is
// always the one found; once enabled again (its child closed) it counts as new. A dialog that
// reuses a closed one's handle is new as well. Actions should press buttons by posting
// (PostClick) or with real clicks (ClickIn), so that their effects run in the dialog's loop.
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

#include "DialogItems.h"  // what actions press and read

class ModalDriver {
public:
    using Action = std::function<void(HWND dialog)>;
    // Steps given with Then, each answering the next new dialog once; ignore: a window never
    // taken for a new dialog (the main dialog).
    explicit ModalDriver(HWND ignore);
    // Every opening of a dialog with this caption, for as long as the driver lives.
    ModalDriver(const std::string& caption, Action everyOpening);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    ModalDriver& Then(Action action);
    // Every step has run.
    bool Finished() const { return next_ == steps_.size(); }
    // How many dialogs have been answered.
    int Openings() const { return openings_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    static BOOL CALLBACK CheckWindow(HWND window, LPARAM driver);
    void Poll();

    HWND ignore_ = nullptr;
    bool anyCaption_ = true;
    std::string caption_;
    std::vector<Action> steps_;
    size_t next_ = 0;
    Action everyOpening_;
    int openings_ = 0;
    HWND found_ = nullptr;
    UINT_PTR timer_ = 0;
};
