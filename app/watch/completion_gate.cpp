#include "app/watch/completion_gate.hpp"

#include <algorithm>

namespace slidemint {

void TCompletionGate::Add(const TDirEntry& entry, Clock::time_point now) {
    const auto same = [&](const Pending& file) { return file.entry.Name == entry.Name; };
    if (std::none_of(pending_.begin(), pending_.end(), same)) pending_.push_back({entry, now});
}

void TCompletionGate::note(Pending& file, const TWriteNotes& notes) {
    const auto found = notes.find(file.entry.Name);
    if (found == notes.end()) return;
    file.closed = found->second == TWriteActivity::Closed;
    file.writing = !file.closed;
}

bool TCompletionGate::complete(Pending& file, const TDirEntry& now, Clock::time_point time) const {
    if (file.closed) return true;
    if (now.Size != file.entry.Size || now.LastWriteTime != file.entry.LastWriteTime) {
        file.entry = now;
        file.steadySince = time;
        return false;
    }
    return !file.writing && now.Size > 0 && time - file.steadySince >= SteadyFor;
}

std::vector<TDirEntry> TCompletionGate::Update(const TWriteNotes& notes, const TSnapshot& snapshot,
                                               Clock::time_point now) {
    std::vector<TDirEntry> ready;
    std::vector<Pending> waiting;
    for (Pending& file : pending_) {
        const TDirEntry* current = FindEntry(snapshot, file.entry.Name);
        if (!current) continue;
        note(file, notes);
        if (complete(file, *current, now))
            ready.push_back(*current);
        else
            waiting.push_back(std::move(file));
    }
    pending_ = std::move(waiting);
    return ready;
}

}  // namespace slidemint
