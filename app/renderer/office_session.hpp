#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include "app/renderer/office_process.hpp"
#include "app/renderer/office_worker.hpp"

namespace slidemint {

// One office process at a time, the UNO connection to it and the worker
// thread on which every call into it runs under the time limit. Translates
// what goes wrong into the renderer's errors, naming the presentation file.
class OfficeSession {
public:
    OfficeSession(std::filesystem::path officeProgram, std::chrono::milliseconds timeLimit);
    ~OfficeSession();

    OfficeSession(const OfficeSession&) = delete;
    OfficeSession& operator=(const OfficeSession&) = delete;

    std::chrono::milliseconds timeLimit() const { return timeLimit_; }
    void setTimeLimit(std::chrono::milliseconds limit) { timeLimit_ = limit; }

    // Starts the office when none is running; returns the number of the
    // office run that serves the caller. Raises OfficeStartError.
    std::uint64_t ensureRunning(const std::string& file);

    // Runs task on the worker under the time limit, against the office run
    // given. what says what the task does ("exporting slide 2"), for errors.
    void call(const std::string& file, std::uint64_t run, const std::string& what,
              const std::function<void()>& task);

    template <class Task>
    auto callFor(const std::string& file, std::uint64_t run, const std::string& what, Task task) {
        std::optional<decltype(task())> result;
        call(file, run, what, [&] { result.emplace(task()); });
        return std::move(*result);
    }

    // True while the office run given is the one still running.
    bool isCurrent(std::uint64_t run) const { return process_ != nullptr && run == run_; }

    // Valid inside a task of the current run.
    const css::uno::Reference<css::uno::XComponentContext>& remoteContext() const { return remoteContext_; }
    const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }

    // Asks the office to end, and ends its process group when it does not.
    void stop();

    pid_t processGroup() const { return process_ ? process_->processGroup() : 0; }

private:
    void start();
    void connect(std::chrono::steady_clock::time_point deadline);
    void askOfficeToEnd();
    void discardOffice();
    [[noreturn]] void officeDied(const std::string& file, const std::string& what);
    std::string limitText() const;

    std::filesystem::path officeProgram_;
    std::chrono::milliseconds timeLimit_;
    std::unique_ptr<OfficeProcess> process_;
    css::uno::Reference<css::uno::XComponentContext> remoteContext_;
    css::uno::Reference<css::frame::XDesktop2> desktop_;
    std::uint64_t run_ = 0;
    OfficeWorker worker_;  // last: its thread ends first
};

}  // namespace slidemint
