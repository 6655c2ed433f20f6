#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "app/watch/completion_gate.hpp"

namespace slidemint {

// Hands a task to the owner's thread, to run there later; must not block.
using TPostToOwner = std::function<void(std::function<void()>)>;

// The worker thread of a folder watch. It waits on the system's change
// notifications for the folder (entries created, deleted, renamed, written,
// attributes changed; subfolders are not watched) and hands a comparison to
// the owner's thread, waiting until it has run. When the folder itself
// disappears it hands over a "lost" report and ends.
class TThDirChange {
public:
    // Runs on the owner's thread with the write activity seen since the last call.
    using TCompare = std::function<void(const TWriteNotes& notes)>;
    // Runs on the owner's thread when the watch ended by itself.
    using TLost = std::function<void(const std::string& reason)>;

    TThDirChange(std::string folder, TPostToOwner post, TCompare compare, TLost lost);
    ~TThDirChange();
    TThDirChange(const TThDirChange&) = delete;
    TThDirChange& operator=(const TThDirChange&) = delete;

    // Sets up the notifications and starts the thread; throws std::system_error
    // naming the folder when the folder cannot be watched.
    void Start();

    // Ends the thread and waits for it. Call on the owner's thread; no task
    // handed over before runs afterwards.
    void Stop();

    // While true, the thread also hands over a comparison every TickInterval
    // without a notification (files waiting to be complete are checked then).
    void SetWantsTicks(bool wants) { shared_->wantsTicks.store(wants); }
    static constexpr int TickInterval = 250;  // milliseconds

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool stopRequested = false;
        std::uint64_t finished = 0;
        std::atomic<bool> wantsTicks{false};
        std::atomic<bool> ownerGone{false};
    };

    void run();
    bool readNotes(TWriteNotes& notes, std::string& lostReason);
    void handOverComparison(const TWriteNotes& notes, std::uint64_t sequence);
    void handOverLost(const std::string& reason);

    std::string folder_;
    TPostToOwner post_;
    TCompare compare_;
    TLost lost_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    int notifyFd_ = -1;
    int wakeFd_ = -1;
    std::thread thread_;
};

}  // namespace slidemint
