#include "app/renderer/office_process.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/renderer/file_url.hpp"
#include "app/renderer/office_cleanup.hpp"
#include "app/renderer/office_leftovers.hpp"

namespace slidemint {

namespace {

// The exit code with which the office asks to be started again, after it
// made a fresh profile.
constexpr int restartRequested = 81;

// Everything the child does between fork and exec: only async-signal-safe
// calls. Reports a failed exec through errorPipe.
[[noreturn]] void runInChild(char* const argv[], pid_t parent, int errorPipe) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) ::signal(signalNumber, SIG_DFL);
    int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
    }
    if (errorPipe > 3) ::close_range(3, static_cast<unsigned>(errorPipe) - 1, 0);
    ::close_range(static_cast<unsigned>(errorPipe) + 1, ~0U, 0);
    ::execv(argv[0], argv);
    int error = errno;
    ssize_t written = ::write(errorPipe, &error, sizeof error);
    (void)written;
    ::_exit(127);
}

}  // namespace

OfficeProcess::OfficeProcess(const std::filesystem::path& program)
    : program_(program), pipeName_(makeOfficePipeName()) {
    static const bool tidied = (removeLeftoversOfEndedPrograms(), true);
    (void)tidied;
    profileDir_ = makeOfficeProfileFolder();
}

void OfficeProcess::start() {
    if (pid_ == 0) launch();
}

OfficeProcess::~OfficeProcess() {
    reap();
    removeOfficeFiles(profileDir_, pipeName_);
}

std::string OfficeProcess::connectUrl() const {
    return "uno:pipe,name=" + pipeName_ + ";urp;StarOffice.ComponentContext";
}

void OfficeProcess::launch() {
    std::vector<std::string> args = {
        program_.string(), "--headless", "--invisible", "--nologo", "--norestore", "--nolockcheck",
        "--nodefault", "-env:UserInstallation=" + fileUrlFromPath(profileDir_),
        "--accept=pipe,name=" + pipeName_ + ";urp;StarOffice.ComponentContext"};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    pid_t parent = ::getpid();
    pid_t child = ::fork();
    if (child == 0) runInChild(argv.data(), parent, errorPipe[1]);
    ::close(errorPipe[1]);
    if (child < 0) {
        int error = errno;
        ::close(errorPipe[0]);
        throw std::runtime_error(std::string("fork: ") + std::strerror(error));
    }
    ::setpgid(child, child);
    pid_ = child;
    ended_ = reaped_ = false;
    exitCode_ = exitSignal_ = 0;
    group_ = child;
    registerOfficeGroup(pid_);

    int execError = 0;
    ssize_t got;
    do {
        got = ::read(errorPipe[0], &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    ::close(errorPipe[0]);
    if (got == static_cast<ssize_t>(sizeof execError)) {
        reap();
        throw std::runtime_error("cannot run " + program_.string() + ": " + std::strerror(execError));
    }
}

bool OfficeProcess::running() {
    if (pid_ == 0 || ended_) return false;
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return true;
    if (info.si_pid != pid_) return true;
    ended_ = true;
    if (info.si_code == CLD_EXITED) {
        exitCode_ = info.si_status;
    } else {
        exitSignal_ = info.si_status;
    }
    return false;
}

bool OfficeProcess::restartIfRequested() {
    if (running() || exitSignal_ != 0 || exitCode_ != restartRequested) return false;
    reap();
    launch();
    return true;
}

bool OfficeProcess::waitForExit(std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void OfficeProcess::killGroup() {
    // While the leader is not reaped the group id cannot belong to anyone else.
    pid_t group = group_.load();
    if (group > 0) ::kill(-group, SIGKILL);
}

void OfficeProcess::reap() {
    if (pid_ == 0 || reaped_) return;
    killGroup();
    group_ = 0;
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    if (!ended_) {
        ended_ = true;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
        exitSignal_ = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    reaped_ = true;
    unregisterOfficeGroup(pid_);
}

std::string OfficeProcess::exitDescription() const {
    if (!ended_) return "is still running";
    if (exitSignal_ != 0) return "was ended by signal " + std::to_string(exitSignal_);
    return "exited with status " + std::to_string(exitCode_);
}

}  // namespace slidemint
