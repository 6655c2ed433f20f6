#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace slidemint {

// A thread of its own on which every call into the office process runs, so
// that the caller can wait for it with a time limit. Calls into the office
// block until the office answers; when one does not finish in time, the
// caller's expiry action ends the office process, which makes the blocked
// call return with an exception, and only then does run() return.
//
// The office process is also started on this thread: it receives SIGKILL
// when the thread that started it ends, and this thread lives exactly as
// long as the office session that owns it.
class OfficeWorker {
public:
    OfficeWorker();
    ~OfficeWorker();

    OfficeWorker(const OfficeWorker&) = delete;
    OfficeWorker& operator=(const OfficeWorker&) = delete;

    // Runs task on the worker and returns true when it finished within limit;
    // an exception it raised then passes on to the caller. Otherwise calls
    // onExpiry, waits for the task to come back, drops what it raised and
    // returns false.
    bool run(const std::function<void()>& task, std::chrono::milliseconds limit,
             const std::function<void()>& onExpiry);

private:
    void serve();

    std::mutex mutex_;
    std::condition_variable taskArrived_;
    std::condition_variable taskFinished_;
    const std::function<void()>* task_ = nullptr;
    bool finished_ = false;
    bool stopping_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};

}  // namespace slidemint
