#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include <sys/types.h>

namespace slidemint {

// One running office program, listening for UNO connections on a pipe of its
// own and keeping its settings in a fresh profile folder of its own. It runs
// in a process group of its own with its standard streams on /dev/null, and
// it receives SIGKILL when the thread that started it ends. Destroying the
// object ends the group, reaps the process and removes the profile.
class OfficeProcess {
public:
    // Prepares a profile folder and a pipe name for program.
    explicit OfficeProcess(const std::filesystem::path& program);
    ~OfficeProcess();

    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // Starts the program; on the thread whose end shall end the office.
    // Throws std::runtime_error naming the cause when it cannot be run.
    void start();

    // The group of the running (not yet reaped) process, else 0. Any thread.
    pid_t processGroup() const { return group_.load(); }
    const std::string& pipeName() const { return pipeName_; }

    // The UNO URL that reaches the office's component context.
    std::string connectUrl() const;

    // True while the process has not ended.
    bool running();

    // After a fresh profile was made, the office ends asking to be started
    // again. Does that (once per call) and returns true when it was the case.
    bool restartIfRequested();

    // Waits up to limit for the process to end on its own.
    bool waitForExit(std::chrono::milliseconds limit);

    // Ends every process of the group at once. Any thread.
    void killGroup();

    // How the process ended, for error messages ("exited with status 1").
    std::string exitDescription() const;

private:
    void launch();
    void reap();

    std::filesystem::path program_;
    std::filesystem::path profileDir_;
    std::string pipeName_;
    pid_t pid_ = 0;                     // the last process started
    std::atomic<pid_t> group_{0};       // its group while it is not reaped
    bool ended_ = false;
    bool reaped_ = false;
    int exitCode_ = 0;      // valid when the process exited
    int exitSignal_ = 0;    // non-zero when a signal ended it
};

}  // namespace slidemint
