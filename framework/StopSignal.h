#pragma once
// A request to stop, asked for from any thread. Work that only runs from step to step reads
// it between steps; a thread that waits on a condition variable for something else registers
// that variable (a StopWake), so that the request wakes it and no wait needs a timeout.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

class StopSignal {
public:
    StopSignal() = default;
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Sets the request and wakes every registered waiter.
    void Request();
    bool IsRequested() const { return requested_.load(); }
    explicit operator bool() const { return IsRequested(); }
    // A signal nobody requests, for work started where nothing can stop it.
    static const StopSignal& Never();

private:
    friend class StopWake;
    struct Waiter {
        std::mutex* mutex;
        std::condition_variable* changed;
    };

    std::atomic<bool> requested_{false};
    mutable std::mutex waitersMutex_;
    mutable std::vector<Waiter> waiters_;
};

// While alive, a stop request notifies changed under mutex: a thread that looks at the request
// under that mutex before it waits on changed cannot miss it. Make and destroy it without
// holding mutex.
class StopWake {
public:
    StopWake(const StopSignal& signal, std::mutex& mutex, std::condition_variable& changed);
    ~StopWake();
    StopWake(const StopWake&) = delete;
    StopWake& operator=(const StopWake&) = delete;

private:
    const StopSignal& signal_;
    std::condition_variable* changed_;
};
