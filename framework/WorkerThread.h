#pragma once
// One thread that runs one piece of work; the object owns the thread's handle, and whoever
// owns the object decides when to wait for it. Destroying it waits for the work to end.
// Nothing the work throws leaves the thread (which would end the program): it ends the work,
// and whoever waits for its results is told through failed.
#include <windows.h>

#include <exception>
#include <functional>

class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { Wait(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // What the work threw, handed over on its own thread as the work ends.
    using FailureCall = std::function<void(std::exception_ptr)>;

    // Runs work on a new thread (default stack and security); false when no thread could be
    // started. One start per object. failed, when given, gets what the work threw; without
    // it, nobody learns of it, so work that others wait for must give one.
    bool Start(std::function<void()> work, FailureCall failed = nullptr);
    // Returns once the work has ended; at once when it was never started.
    void Wait();
    // Waits at most timeoutMs; true when the work has ended (or was never started).
    bool WaitFor(DWORD timeoutMs);

private:
    static DWORD WINAPI Entry(LPVOID self);

    std::function<void()> work_;
    FailureCall failed_;
    HANDLE handle_ = nullptr;
};
