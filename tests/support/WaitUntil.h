#pragma once
// Waiting for a condition with a time limit while this thread's windows, timers and posted
// notices go on working. Header-only: the probe programs use it without the support library.
#include <windows.h>
#include <functional>

// Polls done() until it holds or timeoutMs have passed; returns whether it held. Between polls
// this thread's messages are dispatched; it sleeps until the next message, 10 ms at most.
inline bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
    const DWORD kPollMs = 10;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD wait = deadline - now < kPollMs ? static_cast<DWORD>(deadline - now) : kPollMs;
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}
