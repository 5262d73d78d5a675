#pragma once
// The progress state of a window's taskbar button (ITaskbarList3, Windows 7 and later). Where
// the system offers none (Wine may not), nothing shows and nothing fails.
#include <windows.h>

class TaskbarProgress {
public:
    TaskbarProgress() = default;
    ~TaskbarProgress();
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    // The button shows that work is going on, without telling how much is done.
    void ShowBusy(HWND window);
    // The button shows no progress again.
    void Clear();

private:
    struct ITaskbarList3* taskbar_ = nullptr;
    HWND window_ = nullptr;
    bool comStarted_ = false;
};
