#include <gtest/gtest.h>

#include <vector>

#include "app/watch/snapshot_compare.hpp"

namespace slidemint {
namespace {

using K = TDirChangeKind;

TDirEntry file(const char* name, std::uint64_t size = 10, std::int64_t written = 100) {
    TDirEntry entry;
    entry.Name = name;
    entry.Size = size;
    entry.LastWriteTime = written;
    entry.Attributes = 0100644;
    return entry;
}

// The kinds and names of the events, "Kind:name".
std::vector<std::string> describe(const std::vector<TDirChangeEvent>& events) {
    static const char* const names[] = {"Attributes", "CreationTime", "AccessTime", "WriteTime", "Size",
                                        "AnyChange",  "Deleted",      "New",        "Renamed"};
    std::vector<std::string> out;
    for (const auto& event : events)
        out.push_back(std::string(names[static_cast<int>(event.Kind)]) + ":" + event.NewEntry.Name);
    return out;
}

TEST(CompareSnapshotsTest, EventsComeInTheirFixedOrder) {
    TDirEntry changed = file("b", 20, 200);
    changed.Attributes = 0100600;
    changed.CreationTime = 5;
    changed.LastAccessTime = 7;
    struct Case {
        const char* what;
        TSnapshot before, after;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"nothing changed", {file("a"), file("b")}, {file("b"), file("a")}, {}},
        {"every field, in field order", {file("a"), file("b")}, {file("a"), changed},
         {"Attributes:b", "CreationTime:b", "AccessTime:b", "WriteTime:b", "Size:b", "AnyChange:b"}},
        {"new files in the new snapshot's order", {file("a")}, {file("c"), file("a"), file("b")},
         {"New:c", "AnyChange:c", "New:b", "AnyChange:b"}},
        {"deleted", {file("a"), file("b")}, {file("b")}, {"Deleted:a", "AnyChange:a"}},
        {"one replaced by another is a rename", {file("a"), file("b")}, {file("a"), file("c")},
         {"AnyChange:b", "Renamed:c", "AnyChange:c"}},
        {"two gone, one come: deleted, then neither new nor renamed", {file("a"), file("b"), file("c")},
         {file("d")}, {"Deleted:a", "AnyChange:a", "Deleted:b", "AnyChange:b", "Deleted:c", "AnyChange:c",
                        "AnyChange:d"}},
        {"old entries first; gone from a grown folder is not deleted", {file("a"), file("b")},
         {file("x"), file("b", 11), file("y")},
         {"AnyChange:a", "Size:b", "AnyChange:b", "New:x", "AnyChange:x", "New:y", "AnyChange:y"}},
        {"names compare exactly", {file("Deck.ppt")}, {file("deck.ppt")}, {"AnyChange:Deck.ppt", "Renamed:deck.ppt",
                                                                           "AnyChange:deck.ppt"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(CompareSnapshots(c.before, c.after)), c.expected) << c.what;
}

TEST(CompareSnapshotsTest, FieldEventsCarryBothEntries) {
    const auto events = CompareSnapshots({file("a", 1)}, {file("a", 2)});
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0].OldEntry.Size, 1U);
    EXPECT_EQ(events[0].NewEntry.Size, 2U);
}

}  // namespace
}  // namespace slidemint
