#pragma once

#include <sys/types.h>

namespace slidemint::test {

// True when some process of the group is alive (zombies do not count).
bool processGroupAlive(pid_t group);

}  // namespace slidemint::test
