#include <gtest/gtest.h>

#include "app/watch/completion_gate.hpp"

namespace slidemint {
namespace {

using namespace std::chrono_literals;
using Clock = TCompletionGate::Clock;

TDirEntry file(const char* name, std::uint64_t size, std::int64_t written = 1) {
    TDirEntry entry;
    entry.Name = name;
    entry.Size = size;
    entry.LastWriteTime = written;
    return entry;
}

std::vector<std::string> names(const std::vector<TDirEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& entry : entries) out.push_back(entry.Name);
    return out;
}

TEST(CompletionGateTest, AFileIsReleasedOnceWhenComplete) {
    const Clock::time_point t0{};
    struct Step {
        Clock::duration at;
        TWriteNotes notes;
        TSnapshot snapshot;
        std::vector<std::string> released;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"closed after writing: at once",
         {{0ms, {{"a", TWriteActivity::Closed}}, {file("a", 5)}, {"a"}}, {2s, {}, {file("a", 5)}, {}}}},
        {"being written: waits for the close however long it takes",
         {{0ms, {{"a", TWriteActivity::Written}}, {file("a", 5)}, {}},
          {5s, {}, {file("a", 5)}, {}},
          {6s, {{"a", TWriteActivity::Closed}}, {file("a", 9)}, {"a"}}}},
        {"no writing seen: size steady for a second",
         {{0ms, {}, {file("a", 5)}, {}},
          {600ms, {}, {file("a", 7, 2)}, {}},
          {1500ms, {}, {file("a", 7, 2)}, {}},
          {1600ms, {}, {file("a", 7, 2)}, {"a"}}}},
        {"an empty file is not steady", {{0ms, {}, {file("a", 0)}, {}}, {3s, {}, {file("a", 0)}, {}}}},
        {"a file gone before it is complete is dropped",
         {{0ms, {}, {file("a", 5)}, {}}, {500ms, {}, {}, {}}, {2s, {}, {file("a", 5)}, {}}}},
    };
    for (const Case& c : cases) {
        TCompletionGate gate;
        gate.Add(file("a", 5), t0);
        for (const Step& step : c.steps)
            EXPECT_EQ(names(gate.Update(step.notes, step.snapshot, t0 + step.at)), step.released)
                << c.what << " at " << std::chrono::duration_cast<std::chrono::milliseconds>(step.at).count();
        EXPECT_FALSE(gate.HasPending() && c.steps.back().released.size() == 1) << c.what;
    }
}

TEST(CompletionGateTest, ReleasesInTheOrderFilesCame) {
    TCompletionGate gate;
    const Clock::time_point t0{};
    for (const char* name : {"c", "a", "b"}) gate.Add(file(name, 1), t0);
    gate.Add(file("a", 1), t0);  // already waiting
    const TWriteNotes closed = {{"a", TWriteActivity::Closed}, {"b", TWriteActivity::Closed},
                                {"c", TWriteActivity::Closed}};
    EXPECT_EQ(names(gate.Update(closed, {file("a", 1), file("b", 1), file("c", 1)}, t0)),
              (std::vector<std::string>{"c", "a", "b"}));
}

}  // namespace
}  // namespace slidemint
