#pragma once
// One thread that runs one piece of work; the object owns the thread's handle, and whoever
// owns the object decides when to wait for it. Destroying it waits for the work to end.
#include <windows.h>

#include <functional>

class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { Wait(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Runs work on a new thread (default stack and security); false when no thread could be
    // started. One start per object.
    bool Start(std::function<void()> work);
    // Returns once the work has ended; at once when it was never started.
    void Wait();
    // Waits at most timeoutMs; true when the work has ended (or was never started).
    bool WaitFor(DWORD timeoutMs);

private:
    static DWORD WINAPI Entry(LPVOID self);

    std::function<void()> work_;
    HANDLE handle_ = nullptr;
};
