#pragma once

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "app/watch/dir_snapshot.hpp"

namespace slidemint {

// What the system said about one name since the last comparison: the last
// write activity was a write (the file is open and being written) or a
// close after writing.
enum class TWriteActivity { Written, Closed };
using TWriteNotes = std::map<std::string, TWriteActivity>;

// Holds back new files until they are complete: closed after writing, or,
// when no writing was seen, with a non-empty size and write time that stayed
// the same for SteadyFor.
class TCompletionGate {
public:
    using Clock = std::chrono::steady_clock;

    std::chrono::milliseconds SteadyFor{1000};

    // A new file seen in the latest snapshot.
    void Add(const TDirEntry& entry, Clock::time_point now);

    // Applies the notes and the latest snapshot (files gone from it are
    // dropped) and returns the files now complete, in the order they were
    // added, each with its entry from the snapshot.
    std::vector<TDirEntry> Update(const TWriteNotes& notes, const TSnapshot& snapshot, Clock::time_point now);

    bool HasPending() const { return !pending_.empty(); }
    void Clear() { pending_.clear(); }

private:
    struct Pending {
        TDirEntry entry;
        Clock::time_point steadySince;
        bool writing = false;
        bool closed = false;
    };

    static void note(Pending& file, const TWriteNotes& notes);
    bool complete(Pending& file, const TDirEntry& now, Clock::time_point time) const;

    std::vector<Pending> pending_;
};

}  // namespace slidemint
