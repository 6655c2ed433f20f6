#include "app/renderer/office_session.hpp"

#include <stdexcept>
#include <thread>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>

#include "app/renderer/renderer_error.hpp"
#include "app/renderer/uno_environment.hpp"

#ifndef SLIDEMINT_OFFICE_PROGRAM_DIR
#define SLIDEMINT_OFFICE_PROGRAM_DIR "/usr/lib/libreoffice/program"
#endif

namespace slidemint {

namespace {

constexpr auto connectRetryPause = std::chrono::milliseconds(100);
// A fresh profile makes the office end once, asking to be started again.
constexpr int maxProfileRestarts = 2;
// Extra time for the start task itself, beyond the time limit within which
// the office must accept the connection.
constexpr auto startMargin = std::chrono::seconds(10);
// How long a quitting office may take to end by itself.
constexpr auto quitGrace = std::chrono::seconds(5);

}  // namespace

OfficeSession::OfficeSession(std::filesystem::path officeProgram, std::chrono::milliseconds timeLimit)
    : officeProgram_(std::move(officeProgram)), timeLimit_(timeLimit) {}

OfficeSession::~OfficeSession() { stop(); }

std::uint64_t OfficeSession::ensureRunning(const std::string& file) {
    if (process_ && process_->running()) return run_;
    discardOffice();
    std::string failure;
    bool inTime = false;
    try {
        process_ = std::make_unique<OfficeProcess>(officeProgram_);
        inTime = worker_.run([this] { start(); }, timeLimit_ + startMargin, [this] { process_->killGroup(); });
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (const css::uno::Exception& e) {
        failure = toUtf8(e.Message);
    }
    if (!inTime && failure.empty()) failure = "the office did not answer within " + limitText();
    if (!failure.empty()) {
        discardOffice();
        throw OfficeStartError(file, failure);
    }
    return ++run_;
}

void OfficeSession::start() {
    auto deadline = std::chrono::steady_clock::now() + timeLimit_;
    localComponentContext(SLIDEMINT_OFFICE_PROGRAM_DIR);
    process_->start();
    connect(deadline);
    desktop_ = css::frame::Desktop::create(remoteContext_);
}

void OfficeSession::connect(std::chrono::steady_clock::time_point deadline) {
    auto resolver = css::bridge::UnoUrlResolver::create(localComponentContext(SLIDEMINT_OFFICE_PROGRAM_DIR));
    for (int restarts = 0;;) {
        try {
            auto remote = resolver->resolve(toOUString(process_->connectUrl()));
            remoteContext_.set(remote, css::uno::UNO_QUERY_THROW);
            return;
        } catch (const css::connection::NoConnectException&) {
            // Not listening yet.
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            throw std::runtime_error("the office accepted no connection within " + limitText());
        }
        if (restarts < maxProfileRestarts && process_->restartIfRequested()) {
            ++restarts;
            continue;
        }
        if (!process_->running()) {
            throw std::runtime_error(officeProgram_.string() + " " + process_->exitDescription() +
                                     " before it accepted a connection");
        }
        std::this_thread::sleep_for(connectRetryPause);
    }
}

void OfficeSession::call(const std::string& file, std::uint64_t run, const std::string& what,
                         const std::function<void()>& task) {
    if (!isCurrent(run)) {
        throw RendererError(file, "the presentation is no longer open: the office it was opened in has ended");
    }
    bool inTime = false;
    try {
        inTime = worker_.run(task, timeLimit_, [this] { process_->killGroup(); });
    } catch (const css::lang::DisposedException&) {
        officeDied(file, what);
    } catch (const css::uno::RuntimeException& e) {
        if (!process_->running()) officeDied(file, what);
        throw RendererError(file, what + " failed: " + toUtf8(e.Message));
    } catch (const css::uno::Exception& e) {
        throw RendererError(file, what + " failed: " + toUtf8(e.Message));
    }
    if (!inTime) {
        discardOffice();
        throw RendererTimeoutError(file, "after " + limitText() + " while " + what);
    }
}

void OfficeSession::officeDied(const std::string& file, const std::string& what) {
    bool ended = process_->waitForExit(std::chrono::milliseconds(500));
    std::string how = ended ? "it " + process_->exitDescription() : "it dropped the connection and was ended";
    discardOffice();
    throw OfficeDiedError(file, "while " + what + " (" + how + ")");
}

void OfficeSession::stop() {
    if (!process_) return;
    try {
        if (desktop_.is() && process_->running()) askOfficeToEnd();
    } catch (...) {
        // Whatever went wrong, the process group is ended below.
    }
    discardOffice();
}

void OfficeSession::askOfficeToEnd() {
    auto terminate = [this] {
        try {
            desktop_->terminate();
        } catch (const css::uno::Exception&) {
            // The connection drops while the office ends.
        }
    };
    worker_.run(terminate, std::min<std::chrono::milliseconds>(timeLimit_, quitGrace),
                [this] { process_->killGroup(); });
    process_->waitForExit(quitGrace);
}

void OfficeSession::discardOffice() {
    desktop_.clear();
    remoteContext_.clear();
    process_.reset();
}

std::string OfficeSession::limitText() const {
    auto ms = timeLimit_.count();
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + " s";
    return std::to_string(ms) + " ms";
}

}  // namespace slidemint
