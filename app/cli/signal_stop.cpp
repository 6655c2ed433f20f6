#include "app/cli/signal_stop.hpp"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "app/renderer/office_cleanup.hpp"

namespace slidemint {

namespace {

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int number : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, number);
    return set;
}

}  // namespace

SignalStop::SignalStop(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    const sigset_t set = StopSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::thread([this] { Wait(); }).detach();
}

void SignalStop::Wait() {
    const sigset_t set = StopSignals();
    int number = 0;
    if (sigwait(&set, &number) != 0) return;
    number_ = number;
    signalled_ = true;
    killAllOfficeGroups();
    onSignal_();
    if (sigwait(&set, &number) == 0) {
        killAllOfficeGroups();
        _exit(128 + number);
    }
}

}  // namespace slidemint
