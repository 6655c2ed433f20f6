#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/export_run.hpp"
#include "app/watch/presentation_watch.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class CountingObserver : public ExportObserver {
public:
    void ShowStatus(const std::string&) override {}
    void FileConverted(const std::string& input, const std::string&) override { ++converted[input]; }
    void FileFailed(const std::string& input, const std::string& cause) override { failed[input] = cause; }
    std::map<std::string, int> converted;
    std::map<std::string, std::string> failed;
};

int pageCount(const fs::path& pdf) {
    const std::string command = "qpdf --show-npages '" + pdf.string() + "' > '" + pdf.string() + ".n' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return -1;
    std::ifstream in(pdf.string() + ".n");
    int pages = -1;
    in >> pages;
    return pages;
}

// A watched folder whose new presentations go straight into an export run,
// converted on the thread that runs the watch.
class WatchConversionTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* decks = std::getenv("SLIDEMINT_SHARED_DECKS");
        if (!decks || !fs::is_directory(decks)) GTEST_SKIP() << "needs the shared decks (SLIDEMINT_SHARED_DECKS)";
        if (std::system("command -v soffice > /dev/null") != 0) GTEST_SKIP() << "needs soffice";
        decks_ = decks;
        base_ = fs::temp_directory_path() / ("slidemint-watch-conv-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        fs::create_directories(base_ / "in");
        run_.SetExportFolder((base_ / "out").string() + "/");
        ASSERT_TRUE(watch_.Start((base_ / "in").string(), [this](const std::string& path) {
            list_.Add(path);
            if (!run_.ExportBusy()) run_.ExportAll();
        }));
    }
    void TearDown() override {
        watch_.Stop();
        if (!base_.empty()) fs::remove_all(base_);
    }
    void pumpUntil(const std::function<bool()>& done, std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!done() && std::chrono::steady_clock::now() < end) watch_.RunPending(50ms);
    }
    fs::path in(const std::string& name) const { return base_ / "in" / name; }
    fs::path out(const std::string& name) const { return base_ / "out" / name; }

    fs::path decks_, base_;
    TPresentationWatch watch_;
    MemoryFileList list_;
    CountingObserver observer_;
    ExportRun run_{list_, observer_};
};

TEST_F(WatchConversionTest, ThreeDecksCopiedAtOnceGiveThreePdfsEachConvertedOnce) {
    const std::pair<const char*, int> decks[] = {{"SampleShow.ppt", 2}, {"empty.ppt", 1}, {"bullets.ppt", 2}};
    for (const auto& [deck, pages] : decks) fs::copy_file(decks_ / deck, in(deck));
    pumpUntil([&] { return observer_.converted.size() + observer_.failed.size() >= 3; }, 300s);
    pumpUntil([] { return false; }, 2s);  // nothing more may come
    EXPECT_TRUE(observer_.failed.empty());
    ASSERT_EQ(observer_.converted.size(), 3U);
    for (const auto& [deck, pages] : decks) {
        EXPECT_EQ(observer_.converted[in(deck).string()], 1) << deck;
        EXPECT_EQ(pageCount(out(fs::path(deck).stem().string() + ".pdf")), pages) << deck;
    }
    EXPECT_TRUE(list_.Paths().empty());
}

TEST_F(WatchConversionTest, ADeckStillBeingWrittenIsConvertedOnlyWhenComplete) {
    std::stringstream whole;
    whole << std::ifstream(decks_ / "SampleShow.ppt", std::ios::binary).rdbuf();
    const std::string bytes = whole.str();
    {
        std::ofstream writing(in("Growing.ppt"), std::ios::binary);
        writing.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2)).flush();
        pumpUntil([] { return false; }, 2s);  // longer than a steady second, still open
        EXPECT_TRUE(list_.Paths().empty());
        EXPECT_TRUE(observer_.converted.empty() && observer_.failed.empty());
        writing.write(bytes.data() + bytes.size() / 2, static_cast<std::streamsize>(bytes.size() - bytes.size() / 2));
    }
    pumpUntil([&] { return !observer_.converted.empty() || !observer_.failed.empty(); }, 180s);
    EXPECT_TRUE(observer_.failed.empty());
    EXPECT_EQ(observer_.converted[in("Growing.ppt").string()], 1);
    EXPECT_EQ(pageCount(out("Growing.pdf")), 2);
}

}  // namespace
}  // namespace slidemint
