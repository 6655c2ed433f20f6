#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <filesystem>
#include <fstream>
#include <string>

#include "../app/pdf_tools.hpp"
#include "tests/support/file_contents.hpp"

namespace slidemint::testing {

namespace fs = std::filesystem;

struct CommandResult {
    int exitCode = -1;
    std::string out, err;
};

using test_support::ReadFile;

// Runs the slidemint command in a scratch folder of its own.
class SlidemintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* shared = std::getenv("SLIDEMINT_SHARED_DECKS");
        decks = shared && *shared ? shared : "/work/shared/decks";
        if (!fs::exists(decks / "SampleShow.ppt")) GTEST_SKIP() << "the shared decks are missing: " << decks;
        root = fs::temp_directory_path() /
               ("slidemint-cli-e2e-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "tmp");
        // UNO's generated type getters keep their type objects for the life of
        // the process; when two threads reach one first at the same moment, the
        // leak checker sees the loser's copy.
        std::ofstream(root / "lsan.supp") << "leak:cppu_detail_getUnoType\n";
    }
    void TearDown() override {
        if (!root.empty()) {
            EXPECT_EQ(OfficeProcessesLeft(), "");
            fs::remove_all(root);
        }
    }

    // Runs slidemint with its own temporary folder, so that its office
    // processes can be told apart from any other.
    CommandResult Slidemint(const std::string& args) {
        const fs::path out = root / "stdout.txt", err = root / "stderr.txt";
        const std::string command = Environment() + " SLIDEMINT_SCREEN_PPI=96 " +
                                    SLIDEMINT_BINARY + " " + args + " >" + Quoted(out.string()) + " 2>" +
                                    Quoted(err.string());
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    // Starts slidemint in the background (same environment as Slidemint);
    // its output goes to stdout.txt and stderr.txt of the scratch folder.
    pid_t Start(const std::string& args) {
        const std::string command = "exec env " + Environment() + " " + SLIDEMINT_BINARY +
                                    " " + args + " >" + Quoted(Pdf("stdout.txt")) + " 2>" + Quoted(Pdf("stderr.txt"));
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return pid;
    }

    // The exit code of a started slidemint (128 + n when signal n ended it).
    static int Wait(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    // Waits up to limit for the text to appear in the started slidemint's output.
    bool WaitForOutput(const std::string& text, std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!Contains(ReadFile(Pdf("stdout.txt")), text)) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }

    // A temporary folder of the test's own, so that its office processes can
    // be told apart from any other.
    std::string Environment() const {
        return "TMPDIR=" + Quoted((root / "tmp").string()) + " LSAN_OPTIONS=" +
               Quoted("print_suppressions=0:suppressions=" + (root / "lsan.supp").string());
    }

    std::string OfficeProcessesLeft() {
        return RunCommand("pgrep -a -f " + Quoted((root / "tmp").string()) + " | grep -v pgrep || true");
    }

    std::string Deck(const std::string& name) const { return Quoted((decks / name).string()); }
    std::string Pdf(const std::string& relative) const { return (root / relative).string(); }

    fs::path decks, root;
};

}  // namespace slidemint::testing
