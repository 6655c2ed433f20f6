#include "app/renderer/office_worker.hpp"

#include <utility>

#include <pthread.h>
#include <signal.h>

namespace slidemint {

OfficeWorker::OfficeWorker() : thread_([this] { serve(); }) {}

OfficeWorker::~OfficeWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    taskArrived_.notify_all();
    thread_.join();
}

bool OfficeWorker::run(const std::function<void()>& task, std::chrono::milliseconds limit,
                       const std::function<void()>& onExpiry) {
    std::unique_lock lock(mutex_);
    task_ = &task;
    finished_ = false;
    error_ = nullptr;
    taskArrived_.notify_all();
    if (taskFinished_.wait_for(lock, limit, [this] { return finished_; })) {
        if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
        return true;
    }
    lock.unlock();
    onExpiry();
    lock.lock();
    taskFinished_.wait(lock, [this] { return finished_; });
    error_ = nullptr;
    return false;
}

void OfficeWorker::serve() {
    // The UNO bridge writes to the office's pipe without guarding against
    // SIGPIPE; an office that dies just then must give an error, not end us.
    // The bridge's own threads start from this one and inherit the mask.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);

    std::unique_lock lock(mutex_);
    for (;;) {
        taskArrived_.wait(lock, [this] { return stopping_ || task_ != nullptr; });
        if (stopping_) return;
        const std::function<void()>* task = std::exchange(task_, nullptr);
        lock.unlock();
        std::exception_ptr error;
        try {
            (*task)();
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        error_ = error;
        finished_ = true;
        taskFinished_.notify_all();
    }
}

}  // namespace slidemint
