#include "app/renderer/office_cleanup.hpp"

#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>

namespace slidemint {

namespace {

constexpr std::size_t maxGroups = 256;
std::array<std::atomic<pid_t>, maxGroups> officeGroups{};

void endOfficesThenDefault(int signalNumber) {
    killAllOfficeGroups();
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

void registerOfficeGroup(pid_t group) {
    for (auto& slot : officeGroups) {
        pid_t empty = 0;
        if (slot.compare_exchange_strong(empty, group)) return;
    }
    // Full: the office still dies with us through its parent-death signal.
}

void unregisterOfficeGroup(pid_t group) {
    for (auto& slot : officeGroups) {
        pid_t expected = group;
        if (slot.compare_exchange_strong(expected, 0)) return;
    }
}

void killAllOfficeGroups() {
    for (auto& slot : officeGroups) {
        pid_t group = slot.load();
        if (group > 0) ::kill(-group, SIGKILL);
    }
}

void installOfficeCleanupOnSignals() {
    struct sigaction action {};
    action.sa_handler = endOfficesThenDefault;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaction(signalNumber, &action, nullptr);
    static const bool atExitRegistered = std::atexit(killAllOfficeGroups) == 0;
    (void)atExitRegistered;
}

}  // namespace slidemint
