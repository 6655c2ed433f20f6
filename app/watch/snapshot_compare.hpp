#pragma once

#include <vector>

#include "app/watch/dir_snapshot.hpp"

namespace slidemint {

enum class TDirChangeKind {
    Attributes,
    CreationTime,
    AccessTime,
    WriteTime,
    Size,
    AnyChange,
    Deleted,
    New,
    Renamed,
};

// One event found by comparing two snapshots. Field changes and AnyChange
// after them carry both entries; Deleted carries the old entry in both,
// New and Renamed the new entry in both.
struct TDirChangeEvent {
    TDirChangeKind Kind;
    TDirEntry OldEntry;
    TDirEntry NewEntry;

    bool operator==(const TDirChangeEvent&) const = default;
};

// The events between two snapshots of one folder, in the order they fire:
// first for each old entry (its changed fields, then AnyChange; or, when its
// name is gone, Deleted if the folder now holds fewer entries, and
// AnyChange), then for each new entry whose name is not in the old snapshot
// (Renamed if both hold as many entries, New if the folder now holds more,
// and AnyChange). Names compare exactly.
std::vector<TDirChangeEvent> CompareSnapshots(const TSnapshot& oldSnapshot, const TSnapshot& newSnapshot);

}  // namespace slidemint
