#include "app/gui/file_list_store.hpp"

#include <algorithm>

namespace slidemint {

TFileListStore::Id TFileListStore::Add(const std::string& path) {
    std::lock_guard lock(mutex_);
    entries_.push_back({nextId_, path});
    return nextId_++;
}

void TFileListStore::RemoveIds(const std::vector<Id>& ids) {
    std::lock_guard lock(mutex_);
    std::erase_if(entries_, [&](const Entry& entry) {
        return std::find(ids.begin(), ids.end(), entry.id) != ids.end();
    });
}

void TFileListStore::Clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

std::vector<std::string> TFileListStore::Paths() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> paths;
    for (const Entry& entry : entries_) paths.push_back(entry.path);
    return paths;
}

bool TFileListStore::Empty() const {
    std::lock_guard lock(mutex_);
    return entries_.empty();
}

std::optional<std::string> TFileListStore::PathAt(std::size_t index) {
    std::lock_guard lock(mutex_);
    if (index >= entries_.size()) return std::nullopt;
    return entries_[index].path;
}

void TFileListStore::Remove(const std::string& path) {
    std::optional<Id> removed;
    {
        std::lock_guard lock(mutex_);
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const Entry& entry) { return entry.path == path; });
        if (found == entries_.end()) return;
        removed = found->id;
        entries_.erase(found);
    }
    if (OnRemoved) OnRemoved(*removed);
}

}  // namespace slidemint
