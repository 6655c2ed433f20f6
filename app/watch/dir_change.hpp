#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "app/watch/completion_gate.hpp"
#include "app/watch/dir_change_thread.hpp"
#include "app/watch/dir_snapshot.hpp"
#include "app/watch/snapshot_compare.hpp"

namespace slidemint {

// Watches one folder (not its subfolders) and reports its changes as events
// on the owner's thread: the thread whose task queue `post` feeds. Every
// event, the comparison and all snapshot handling run there; the worker
// thread only waits on the system's notifications.
//
// OnChangeNew reports a new file once it is complete (closed after writing,
// or unchanged for a second); the other events report each comparison.
class TDirChange {
public:
    using TEntryEvent = std::function<void(TDirChange& sender, const TDirEntry& entry)>;
    using TChangeEvent = std::function<void(TDirChange& sender, const TDirEntry& oldEntry, const TDirEntry& newEntry)>;

    explicit TDirChange(TPostToOwner post);
    ~TDirChange();
    TDirChange(const TDirChange&) = delete;
    TDirChange& operator=(const TDirChange&) = delete;

    bool Active() const { return thread_ != nullptr; }
    // Starting adds a trailing '/' to Directory; a folder that does not exist
    // or cannot be watched leaves the watch stopped and fires OnWatchError.
    // Stopping waits for the worker thread to end.
    void SetActive(bool active);

    const std::string& Directory() const { return directory_; }
    // Stops the watch, takes the folder and starts again when it was running.
    void SetDirectory(std::string directory);

    TChangeEvent OnChangeAttributes;
    TChangeEvent OnChangeCreationTime;
    TChangeEvent OnChangeAccessTime;
    TChangeEvent OnChangeWriteTime;
    TChangeEvent OnChangeSize;
    TChangeEvent OnAnyChange;
    TEntryEvent OnChangeDeleted;
    TEntryEvent OnChangeNew;
    TEntryEvent OnChangeRenamed;
    // The watch could not start, or stopped by itself because its folder
    // went away; Active is false when this fires. The text names the folder.
    std::function<void(TDirChange& sender, const std::string& message)> OnWatchError;

    // How long a new file that was not seen being written must stay unchanged.
    std::chrono::milliseconds SteadyFor{1000};

    const TSnapshot& Snapshot() const { return snapshot_; }

private:
    void start();
    void stop();
    void compare(const TWriteNotes& notes);
    void fire(const TDirChangeEvent& event);
    void fireCompleted(const TWriteNotes& notes);
    void lost(const std::string& reason);

    TPostToOwner post_;
    std::string directory_;
    TSnapshot snapshot_;
    TCompletionGate gate_;
    std::unique_ptr<TThDirChange> thread_;
    unsigned generation_ = 0;  // counts starts, so handlers that restart the watch are noticed
};

}  // namespace slidemint
