#include "cli/StopKeys.h"

#include <windows.h>

#include <functional>
#include <mutex>

namespace {

// The handler runs on a thread of its own: the lock keeps the run from going away under it.
std::mutex g_lock;
std::function<void()> g_stop;

BOOL WINAPI OnControlKey(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;  // closing, logoff: the default
    std::lock_guard<std::mutex> lock(g_lock);
    if (g_stop) g_stop();
    return TRUE;
}

}  // namespace

StopKeys::StopKeys(ListingRun& run) : StopKeys([&run] { run.RequestStop(); }) {}

StopKeys::StopKeys(StopSignal& stop) : StopKeys([&stop] { stop.Request(); }) {}

StopKeys::StopKeys(std::function<void()> stop) {
    {
        std::lock_guard<std::mutex> lock(g_lock);
        g_stop = std::move(stop);
    }
    // Started with Ctrl+C ignored (start /b, a new process group), we still take it: it is
    // our stop key, and a stop loses nothing already found.
    SetConsoleCtrlHandler(nullptr, FALSE);
    SetConsoleCtrlHandler(OnControlKey, TRUE);
}

StopKeys::~StopKeys() {
    SetConsoleCtrlHandler(OnControlKey, FALSE);
    std::lock_guard<std::mutex> lock(g_lock);
    g_stop = nullptr;
}
