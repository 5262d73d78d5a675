#include "framework/WorkerThread.h"

#include <utility>

bool WorkerThread::Start(std::function<void()> work, FailureCall failed) {
    if (handle_) return false;
    work_ = std::move(work);
    failed_ = std::move(failed);
    handle_ = CreateThread(nullptr, 0, Entry, this, 0, nullptr);
    return handle_ != nullptr;
}

void WorkerThread::Wait() { WaitFor(INFINITE); }

bool WorkerThread::WaitFor(DWORD timeoutMs) {
    if (!handle_) return true;
    if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return false;
    CloseHandle(handle_);
    handle_ = nullptr;
    return true;
}

DWORD WINAPI WorkerThread::Entry(LPVOID self) {
    WorkerThread& thread = *static_cast<WorkerThread*>(self);
    try {
        thread.work_();
    } catch (...) {
        if (thread.failed_) thread.failed_(std::current_exception());
        return 1;
    }
    return 0;
}
