#include "framework/StopSignal.h"

#include <algorithm>

const StopSignal& StopSignal::Never() {
    static const StopSignal never;
    return never;
}

void StopSignal::Request() {
    requested_ = true;
    std::lock_guard<std::mutex> lock(waitersMutex_);
    for (const Waiter& waiter : waiters_) {
        // Taking the waiter's mutex orders the request before or after its look at the flag.
        { std::lock_guard<std::mutex> held(*waiter.mutex); }
        waiter.changed->notify_all();
    }
}

StopWake::StopWake(const StopSignal& signal, std::mutex& mutex, std::condition_variable& changed)
    : signal_(signal), changed_(&changed) {
    std::lock_guard<std::mutex> lock(signal_.waitersMutex_);
    signal_.waiters_.push_back({&mutex, &changed});
}

StopWake::~StopWake() {
    std::lock_guard<std::mutex> lock(signal_.waitersMutex_);
    auto& waiters = signal_.waiters_;
    waiters.erase(std::find_if(waiters.begin(), waiters.end(),
                               [this](const StopSignal::Waiter& waiter) { return waiter.changed == changed_; }));
}
