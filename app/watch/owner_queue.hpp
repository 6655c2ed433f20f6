#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "app/watch/dir_change_thread.hpp"

namespace slidemint {

// A task queue for an owner thread without an event loop of its own (the
// command line, tests): other threads post, the owner runs what was posted.
class TOwnerQueue {
public:
    TOwnerQueue();

    // Posts into this queue; stays safe to call after the queue is gone.
    TPostToOwner Poster() const;

    // Waits up to `wait` for a task, then runs every task posted so far on
    // the calling thread. Returns the number of tasks run.
    int RunPending(std::chrono::milliseconds wait);

private:
    struct State {
        std::mutex mutex;
        std::condition_variable posted;
        std::deque<std::function<void()>> tasks;
    };
    std::shared_ptr<State> state_;
};

}  // namespace slidemint
