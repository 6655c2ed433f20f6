#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "app/watch/dir_change.hpp"
#include "app/watch/owner_queue.hpp"

namespace slidemint {

// True when the file name's extension, lower-cased, is ".ppt".
bool IsWatchedPresentation(const std::string& path);

// A folder watch for a program without a window: reports every new,
// complete ".ppt" file of one folder by its full path. The callbacks run on
// the thread that calls RunPending.
//
//   TPresentationWatch watch;
//   watch.Start(folder, [&](const std::string& path) { convert(path); });
//   while (!interrupted && watch.Watching()) watch.RunPending(200ms);
//   watch.Stop();
class TPresentationWatch {
public:
    using TNewPresentation = std::function<void(const std::string& path)>;

    TPresentationWatch();

    // Starts watching folder. Returns false (after OnStopped) when the
    // folder does not exist or cannot be watched.
    bool Start(const std::string& folder, TNewPresentation onNewPresentation);
    void Stop();
    bool Watching() const { return watch_.Active(); }
    // The folder being watched, with a trailing '/'.
    const std::string& Folder() const { return watch_.Directory(); }

    // Runs the watch's pending work (and so the callbacks); waits up to
    // `wait` when there is none.
    void RunPending(std::chrono::milliseconds wait);

    // The watch could not start or stopped by itself; the text says why.
    std::function<void(const std::string& message)> OnStopped;

    // How long a file that was not seen being written must stay unchanged.
    void SetSteadyFor(std::chrono::milliseconds steady) { watch_.SteadyFor = steady; }

private:
    TOwnerQueue queue_;
    TDirChange watch_;
    TNewPresentation onNew_;
};

}  // namespace slidemint
