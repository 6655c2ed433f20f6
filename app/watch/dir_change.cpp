#include "app/watch/dir_change.hpp"

#include <sys/stat.h>

#include <system_error>

namespace slidemint {
namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

TDirChange::TDirChange(TPostToOwner post) : post_(std::move(post)) {}

TDirChange::~TDirChange() { stop(); }

void TDirChange::SetActive(bool active) {
    if (active == Active()) return;
    if (active)
        start();
    else
        stop();
}

void TDirChange::SetDirectory(std::string directory) {
    const bool wasActive = Active();
    SetActive(false);
    directory_ = std::move(directory);
    SetActive(wasActive);
}

void TDirChange::start() {
    if (directory_.empty() || directory_.back() != '/') directory_ += '/';
    if (!isFolder(directory_)) {
        if (OnWatchError) OnWatchError(*this, "The folder " + directory_ + " does not exist");
        return;
    }
    snapshot_ = TakeSnapshot(directory_);
    gate_.Clear();
    auto thread = std::make_unique<TThDirChange>(
        directory_, post_, [this](const TWriteNotes& notes) { compare(notes); },
        [this](const std::string& reason) { lost(reason); });
    try {
        thread->Start();
    } catch (const std::system_error& error) {
        if (OnWatchError) OnWatchError(*this, error.what());
        return;
    }
    thread_ = std::move(thread);
    ++generation_;
}

void TDirChange::stop() {
    if (!thread_) return;
    thread_->Stop();
    thread_.reset();
    gate_.Clear();
}

void TDirChange::lost(const std::string& reason) {
    stop();
    if (OnWatchError) OnWatchError(*this, "Watching " + directory_ + " stopped: " + reason);
}

void TDirChange::compare(const TWriteNotes& notes) {
    TSnapshot fresh = TakeSnapshot(directory_);
    const auto events = CompareSnapshots(snapshot_, fresh);
    snapshot_ = std::move(fresh);
    const auto now = TCompletionGate::Clock::now();
    gate_.SteadyFor = SteadyFor;
    const unsigned generation = generation_;
    const auto stillWatching = [&] { return Active() && generation == generation_; };
    for (const TDirChangeEvent& event : events) {
        if (event.Kind == TDirChangeKind::New)
            gate_.Add(event.NewEntry, now);
        else
            fire(event);
        if (!stillWatching()) return;  // a handler stopped or moved the watch
    }
    fireCompleted(notes);
}

void TDirChange::fireCompleted(const TWriteNotes& notes) {
    const unsigned generation = generation_;
    for (const TDirEntry& entry : gate_.Update(notes, snapshot_, TCompletionGate::Clock::now())) {
        if (OnChangeNew) OnChangeNew(*this, entry);
        if (!Active() || generation != generation_) return;
    }
    if (thread_) thread_->SetWantsTicks(gate_.HasPending());
}

void TDirChange::fire(const TDirChangeEvent& event) {
    const auto change = [&](const TChangeEvent& handler) {
        if (handler) handler(*this, event.OldEntry, event.NewEntry);
    };
    const auto entry = [&](const TEntryEvent& handler) {
        if (handler) handler(*this, event.NewEntry);
    };
    switch (event.Kind) {
        case TDirChangeKind::Attributes: return change(OnChangeAttributes);
        case TDirChangeKind::CreationTime: return change(OnChangeCreationTime);
        case TDirChangeKind::AccessTime: return change(OnChangeAccessTime);
        case TDirChangeKind::WriteTime: return change(OnChangeWriteTime);
        case TDirChangeKind::Size: return change(OnChangeSize);
        case TDirChangeKind::AnyChange: return change(OnAnyChange);
        case TDirChangeKind::Deleted: return entry(OnChangeDeleted);
        case TDirChangeKind::New: return entry(OnChangeNew);
        case TDirChangeKind::Renamed: return entry(OnChangeRenamed);
    }
}

}  // namespace slidemint
