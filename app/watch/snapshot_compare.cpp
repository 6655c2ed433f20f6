#include "app/watch/snapshot_compare.hpp"

#include <string_view>
#include <unordered_map>

namespace slidemint {
namespace {

using EntryIndex = std::unordered_map<std::string_view, const TDirEntry*>;

EntryIndex indexByName(const TSnapshot& snapshot) {
    EntryIndex index;
    index.reserve(snapshot.size());
    for (const TDirEntry& entry : snapshot) index.emplace(entry.Name, &entry);
    return index;
}

const TDirEntry* lookUp(const EntryIndex& index, const std::string& name) {
    const auto found = index.find(name);
    return found == index.end() ? nullptr : found->second;
}

void compareFields(const TDirEntry& before, const TDirEntry& after, std::vector<TDirChangeEvent>& events) {
    const std::size_t first = events.size();
    const auto fire = [&](bool differs, TDirChangeKind kind) {
        if (differs) events.push_back({kind, before, after});
    };
    fire(before.Attributes != after.Attributes, TDirChangeKind::Attributes);
    fire(before.CreationTime != after.CreationTime, TDirChangeKind::CreationTime);
    fire(before.LastAccessTime != after.LastAccessTime, TDirChangeKind::AccessTime);
    fire(before.LastWriteTime != after.LastWriteTime, TDirChangeKind::WriteTime);
    fire(before.Size != after.Size, TDirChangeKind::Size);
    if (events.size() > first) events.push_back({TDirChangeKind::AnyChange, before, after});
}

}  // namespace

std::vector<TDirChangeEvent> CompareSnapshots(const TSnapshot& oldSnapshot, const TSnapshot& newSnapshot) {
    std::vector<TDirChangeEvent> events;
    const EntryIndex oldIndex = indexByName(oldSnapshot);
    const EntryIndex newIndex = indexByName(newSnapshot);
    for (const TDirEntry& before : oldSnapshot) {
        if (const TDirEntry* after = lookUp(newIndex, before.Name)) {
            compareFields(before, *after, events);
            continue;
        }
        if (newSnapshot.size() < oldSnapshot.size()) events.push_back({TDirChangeKind::Deleted, before, before});
        events.push_back({TDirChangeKind::AnyChange, before, before});
    }
    for (const TDirEntry& after : newSnapshot) {
        if (lookUp(oldIndex, after.Name)) continue;
        if (newSnapshot.size() == oldSnapshot.size())
            events.push_back({TDirChangeKind::Renamed, after, after});
        else if (newSnapshot.size() > oldSnapshot.size())
            events.push_back({TDirChangeKind::New, after, after});
        events.push_back({TDirChangeKind::AnyChange, after, after});
    }
    return events;
}

}  // namespace slidemint
