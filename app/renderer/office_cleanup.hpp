#pragma once

#include <sys/types.h>

namespace slidemint {

// Every running office process group is listed here, so that the whole lot
// can be ended from a signal handler or at exit, whatever else is going on.

void registerOfficeGroup(pid_t group);
void unregisterOfficeGroup(pid_t group);

// Sends SIGKILL to every listed group. Async-signal-safe.
void killAllOfficeGroups();

// Makes SIGINT, SIGTERM, SIGHUP and SIGQUIT end every office process first
// and then take their default action, and ends them at normal exit too.
// For the program's entry point; a program with handlers of its own calls
// killAllOfficeGroups() from them instead.
void installOfficeCleanupOnSignals();

}  // namespace slidemint
