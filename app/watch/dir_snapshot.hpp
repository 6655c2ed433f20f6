#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace slidemint {

// What the system reports of one directory entry.
struct TDirEntry {
    std::uint32_t Attributes = 0;     // file type and permission bits
    std::int64_t CreationTime = 0;    // birth time in nanoseconds since 1970, 0 when unknown
    std::int64_t LastAccessTime = 0;  // nanoseconds since 1970
    std::int64_t LastWriteTime = 0;   // nanoseconds since 1970
    std::uint64_t Size = 0;           // bytes
    std::string Name;                 // without its folder

    bool operator==(const TDirEntry&) const = default;
};

// The entries of one folder in the order the system lists them, without
// entries whose name begins with ".".
using TSnapshot = std::vector<TDirEntry>;

// Lists folder (with or without a trailing '/'); an unreadable folder gives
// an empty snapshot. An entry that vanishes while it is read is left out.
TSnapshot TakeSnapshot(const std::string& folder);

// The entry of name in snapshot, or nullptr.
const TDirEntry* FindEntry(const TSnapshot& snapshot, const std::string& name);

}  // namespace slidemint
