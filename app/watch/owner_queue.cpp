#include "app/watch/owner_queue.hpp"

namespace slidemint {

TOwnerQueue::TOwnerQueue() : state_(std::make_shared<State>()) {}

TPostToOwner TOwnerQueue::Poster() const {
    return [weak = std::weak_ptr<State>(state_)](std::function<void()> task) {
        const auto state = weak.lock();
        if (!state) return;
        {
            std::lock_guard lock(state->mutex);
            state->tasks.push_back(std::move(task));
        }
        state->posted.notify_one();
    };
}

int TOwnerQueue::RunPending(std::chrono::milliseconds wait) {
    std::deque<std::function<void()>> tasks;
    {
        std::unique_lock lock(state_->mutex);
        state_->posted.wait_for(lock, wait, [&] { return !state_->tasks.empty(); });
        tasks.swap(state_->tasks);
    }
    for (auto& task : tasks) task();
    return static_cast<int>(tasks.size());
}

}  // namespace slidemint
