#pragma once

#include <atomic>
#include <functional>

namespace slidemint {

// Turns SIGINT, SIGTERM and SIGHUP into a call of onSignal on a thread of its
// own, so that a run can end its office processes and clean up. Must be made
// before any other thread. A second signal ends the program at once.
class SignalStop {
public:
    explicit SignalStop(std::function<void()> onSignal);
    bool Signalled() const { return signalled_.load(); }
    int ExitCode() const { return 128 + number_.load(); }

private:
    void Wait();

    std::function<void()> onSignal_;
    std::atomic<bool> signalled_{false};
    std::atomic<int> number_{0};
};

}  // namespace slidemint
