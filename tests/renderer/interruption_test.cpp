// A program that uses the renderer and is stopped by a signal takes its
// office with it: through the signal handler it installs, or, when it gets no
// chance to run one, through the office's parent-death signal.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include "tests/renderer/process_check.hpp"
#include "tests/renderer/shared_decks.hpp"

namespace slidemint {
namespace {

using namespace std::chrono_literals;

// Runs the probe tool holding an office open on deck; returns its process
// id and the office's process group once the office is serving.
struct HeldOffice {
    pid_t probe = 0;
    pid_t officeGroup = 0;
};

HeldOffice startProbeHoldingAnOffice(const std::string& deck) {
    int output[2];
    if (::pipe(output) != 0) return {};
    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], 1);
        ::close(output[0]);
        ::close(output[1]);
        ::execl(SLIDEMINT_RENDER_PROBE, SLIDEMINT_RENDER_PROBE, "--hold", deck.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(output[1]);
    HeldOffice held{child, 0};
    FILE* lines = ::fdopen(output[0], "r");
    char line[512];
    while (std::fgets(line, sizeof line, lines) != nullptr) {
        long group = 0;
        if (std::sscanf(line, "office-group %ld", &group) == 1) {
            held.officeGroup = static_cast<pid_t>(group);
            break;
        }
    }
    std::fclose(lines);
    return held;
}

bool groupEndsSoon(pid_t group) {
    for (int i = 0; i < 250 && test::processGroupAlive(group); ++i) std::this_thread::sleep_for(20ms);
    return !test::processGroupAlive(group);
}

TEST(Interruption, StoppedProgramLeavesNoOfficeBehind) {
    SKIP_WITHOUT_SHARED_DECKS();
    for (int signalNumber : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(signalNumber == SIGTERM ? "SIGTERM" : "SIGKILL");
        HeldOffice held = startProbeHoldingAnOffice(test::sharedDeck("empty.ppt"));
        ASSERT_GT(held.probe, 0);
        ASSERT_GT(held.officeGroup, 0) << "the probe did not get an office running";
        ASSERT_TRUE(test::processGroupAlive(held.officeGroup));

        ::kill(held.probe, signalNumber);
        int status = 0;
        ::waitpid(held.probe, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
        EXPECT_TRUE(groupEndsSoon(held.officeGroup));
    }
}

}  // namespace
}  // namespace slidemint
