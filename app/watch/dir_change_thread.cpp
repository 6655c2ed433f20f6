#include "app/watch/dir_change_thread.hpp"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace slidemint {
namespace {

constexpr std::uint32_t kWatchedChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                          IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF |
                                          IN_MOVE_SELF | IN_ONLYDIR;

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

void noteEvent(const inotify_event& event, TWriteNotes& notes) {
    if (event.len == 0) return;
    const std::string name(event.name);
    if (event.mask & IN_MODIFY) notes[name] = TWriteActivity::Written;
    if (event.mask & IN_CLOSE_WRITE) notes[name] = TWriteActivity::Closed;
}

}  // namespace

TThDirChange::TThDirChange(std::string folder, TPostToOwner post, TCompare compare, TLost lost)
    : folder_(std::move(folder)), post_(std::move(post)), compare_(std::move(compare)), lost_(std::move(lost)) {}

TThDirChange::~TThDirChange() { Stop(); }

void TThDirChange::Start() {
    notifyFd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (notifyFd_ < 0 || wakeFd_ < 0 || ::inotify_add_watch(notifyFd_, folder_.c_str(), kWatchedChanges) < 0) {
        const int error = errno;
        closeFd(notifyFd_);
        closeFd(wakeFd_);
        throw std::system_error(error, std::generic_category(), "Cannot watch " + folder_);
    }
    thread_ = std::thread([this] { run(); });
}

void TThDirChange::Stop() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopRequested = true;
        shared_->ownerGone = true;
    }
    shared_->done.notify_all();
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof one);
    }
    if (thread_.joinable()) thread_.join();
    closeFd(notifyFd_);
    closeFd(wakeFd_);
}

void TThDirChange::run() {
    std::uint64_t sequence = 0;
    for (;;) {
        pollfd waits[2] = {{notifyFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int timeout = shared_->wantsTicks.load() ? TickInterval : -1;
        const int ready = ::poll(waits, 2, timeout);
        if (ready < 0 && errno != EINTR) return handOverLost("the folder cannot be watched any more");
        if (waits[1].revents != 0) return;
        TWriteNotes notes;
        std::string lostReason;
        if (!readNotes(notes, lostReason)) return handOverLost(lostReason);
        handOverComparison(notes, ++sequence);
        std::unique_lock lock(shared_->mutex);
        shared_->done.wait(lock, [&] { return shared_->stopRequested || shared_->finished >= sequence; });
        if (shared_->stopRequested) return;
    }
}

bool TThDirChange::readNotes(TWriteNotes& notes, std::string& lostReason) {
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = ::read(notifyFd_, buffer, sizeof buffer);
        if (length <= 0) return true;
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT)) {
                lostReason = "the folder was removed or moved";
                return false;
            }
            noteEvent(*event, notes);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void TThDirChange::handOverComparison(const TWriteNotes& notes, std::uint64_t sequence) {
    post_([shared = shared_, compare = compare_, notes, sequence] {
        // The worker waits for this mark, so it is set even when compare throws.
        struct Finish {
            Shared& shared;
            std::uint64_t sequence;
            ~Finish() {
                {
                    std::lock_guard lock(shared.mutex);
                    shared.finished = sequence;
                }
                shared.done.notify_all();
            }
        } finish{*shared, sequence};
        if (!shared->ownerGone) compare(notes);
    });
}

void TThDirChange::handOverLost(const std::string& reason) {
    post_([shared = shared_, lost = lost_, reason] {
        if (!shared->ownerGone) lost(reason);
    });
}

}  // namespace slidemint
