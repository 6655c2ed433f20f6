#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "app/watch/presentation_watch.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class PresentationWatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() / ("slidemint-watch-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        fs::create_directories(base_ / "in");
        fs::create_directories(base_ / "outside");
        watch_.SetSteadyFor(300ms);
        watch_.OnStopped = [this](const std::string& message) { stopMessages_.push_back(message); };
    }
    void TearDown() override {
        watch_.Stop();
        fs::remove_all(base_);
    }

    bool start() {
        return watch_.Start((base_ / "in").string(), [this](const std::string& path) {
            found_.push_back(fs::path(path).filename().string());
        });
    }
    // Runs the watch until done() or a few seconds have passed.
    void pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5s) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done() && std::chrono::steady_clock::now() < end) watch_.RunPending(20ms);
    }
    void pumpFor(std::chrono::milliseconds time) {
        pumpUntil([] { return false; }, time);
    }
    fs::path in(const char* name) const { return base_ / "in" / name; }
    static void writeFile(const fs::path& path, std::size_t bytes) {
        std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
    }
    std::vector<std::string> sortedFound() const {
        auto names = found_;
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path base_;
    TPresentationWatch watch_;
    std::vector<std::string> found_;
    std::vector<std::string> stopMessages_;
};

TEST_F(PresentationWatchTest, ThreeFilesAtOnceAreEachReportedOnce) {
    ASSERT_TRUE(start());
    for (const char* name : {"one.ppt", "two.ppt", "THREE.PPT", "notes.txt", "show.pps", "deck.pptx"})
        writeFile(in(name), 1000);
    pumpUntil([&] { return found_.size() >= 3; });
    pumpFor(1500ms);  // nothing more may come, also after the steady time
    EXPECT_EQ(sortedFound(), (std::vector<std::string>{"THREE.PPT", "one.ppt", "two.ppt"}));
    EXPECT_EQ(watch_.Folder(), (base_ / "in").string() + "/");
}

TEST_F(PresentationWatchTest, AFileBeingWrittenIsReportedWhenClosed) {
    ASSERT_TRUE(start());
    {
        std::ofstream growing(in("slow.ppt"), std::ios::binary);
        growing << std::string(4096, 'a') << std::flush;
        pumpFor(900ms);  // well past the steady time while still open
        EXPECT_TRUE(found_.empty());
        growing << std::string(4096, 'b') << std::flush;
        pumpFor(300ms);
        EXPECT_TRUE(found_.empty());
    }
    pumpUntil([&] { return !found_.empty(); });
    EXPECT_EQ(found_, std::vector<std::string>{"slow.ppt"});
    EXPECT_EQ(fs::file_size(in("slow.ppt")), 8192U);
}

TEST_F(PresentationWatchTest, AFileMovedInIsReportedOnceItsSizeIsSteady) {
    writeFile(base_ / "outside" / "moved.ppt", 500);
    ASSERT_TRUE(start());
    fs::rename(base_ / "outside" / "moved.ppt", in("moved.ppt"));
    pumpFor(150ms);
    EXPECT_TRUE(found_.empty());
    pumpUntil([&] { return !found_.empty(); });
    EXPECT_EQ(found_, std::vector<std::string>{"moved.ppt"});
}

TEST_F(PresentationWatchTest, FilesPresentAtStartAreNotReported) {
    writeFile(in("old.ppt"), 10);
    ASSERT_TRUE(start());
    writeFile(in("old.ppt"), 20);  // changed, not new
    pumpFor(700ms);
    EXPECT_TRUE(found_.empty());
}

TEST_F(PresentationWatchTest, AMissingOrVanishedFolderStopsTheWatchWithAMessage) {
    EXPECT_FALSE(watch_.Start((base_ / "nowhere").string(), [](const std::string&) {}));
    ASSERT_EQ(stopMessages_.size(), 1U);
    EXPECT_NE(stopMessages_[0].find("nowhere"), std::string::npos);

    ASSERT_TRUE(start());
    fs::remove_all(base_ / "in");
    pumpUntil([&] { return !watch_.Watching(); });
    EXPECT_FALSE(watch_.Watching());
    ASSERT_EQ(stopMessages_.size(), 2U);
    EXPECT_NE(stopMessages_[1].find("stopped"), std::string::npos);
    fs::create_directories(base_ / "in");
    writeFile(in("late.ppt"), 10);
    pumpFor(500ms);
    EXPECT_TRUE(found_.empty());
}

TEST(IsWatchedPresentationTest, OnlyPptInAnyCase) {
    EXPECT_TRUE(IsWatchedPresentation("/a/New.PPT"));
    EXPECT_TRUE(IsWatchedPresentation("/a/x.y.ppt"));
    EXPECT_FALSE(IsWatchedPresentation("/a/New.pps"));
    EXPECT_FALSE(IsWatchedPresentation("/a/New.pptx"));
    EXPECT_FALSE(IsWatchedPresentation("/a.ppt/readme"));
}

}  // namespace
}  // namespace slidemint
