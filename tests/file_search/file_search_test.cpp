#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/file_search/file_search.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;

class FileSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("slidemint-search-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        for (const char* file : {"b.ppt", "A.PPT", "notes.txt", "deck.pptx", "sub2/z.ppt",
                                 "sub1/m.ppt", "sub1/deep/x.ppt", "sub1/deep/y.pps"}) {
            fs::create_directories((root_ / file).parent_path());
            std::ofstream(root_ / file) << "x";
        }
        fs::create_directories(root_ / "folder.ppt");
    }
    void TearDown() override { fs::remove_all(root_); }

    // Paths relative to the root, in the order the search reports them.
    std::vector<std::string> run(TFileSearch& search) {
        std::vector<std::string> found;
        const std::string prefix = root_.string() + "/";
        search.OnFileFind = [&](const std::string& folder, const TSearchRec& entry) {
            found.push_back(folder.substr(prefix.size()) + entry.Name);
        };
        search.Execute();
        return found;
    }

    fs::path root_;
};

TEST_F(FileSearchTest, ParentFilesComeBeforeSubfolderFilesDepthFirst) {
    TFileSearch search;
    search.SearchFile = root_.string() + "/*.ppt";
    std::vector<std::string> folders;
    bool finished = false;
    search.OnChangeFolder = [&](const std::string& folder, const TSearchRec&) { folders.push_back(folder); };
    search.OnFinish = [&] { finished = true; };
    EXPECT_EQ(run(search), (std::vector<std::string>{"A.PPT", "b.ppt", "sub1/m.ppt",
                                                     "sub1/deep/x.ppt", "sub2/z.ppt"}));
    EXPECT_TRUE(finished);
    ASSERT_EQ(folders.size(), 5U);  // root, folder.ppt, sub1, sub1/deep, sub2
    EXPECT_EQ(folders.front(), root_.string() + "/");
}

TEST_F(FileSearchTest, OptionsLimitTheSearch) {
    struct Case {
        const char* mask;
        bool recurse;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"/*.ppt", false, {"A.PPT", "b.ppt"}},
        {"/*.pp?", false, {"A.PPT", "b.ppt"}},
        {"/sub1/*.pps", true, {"deep/y.pps"}},
        {"/nothing/*.ppt", true, {}},
    };
    for (const Case& c : cases) {
        TFileSearch search;
        search.SearchFile = root_.string() + c.mask;
        search.RecurseSubFolders = c.recurse;
        std::vector<std::string> found = run(search);
        if (std::string(c.mask).rfind("/sub1/", 0) == 0)
            for (auto& path : found) path.erase(0, 5);
        EXPECT_EQ(found, c.expected) << c.mask;
    }
}

TEST_F(FileSearchTest, StopEndsTheSearchEarly) {
    TFileSearch search;
    search.SearchFile = root_.string() + "/*.ppt";
    search.Stop = true;  // cleared by Execute
    int calls = 0;
    search.OnIdle = [&] { search.Stop = ++calls == 2; };
    EXPECT_EQ(run(search), (std::vector<std::string>{"A.PPT", "b.ppt"}));
}

TEST(MatchesMaskTest, WildcardsIgnoreCase) {
    EXPECT_TRUE(MatchesMask("Talk.PPT", "*.ppt"));
    EXPECT_TRUE(MatchesMask("a.b.ppt", "*.ppt"));
    EXPECT_FALSE(MatchesMask("talk.pptx", "*.ppt"));
    EXPECT_TRUE(MatchesMask("t1.ppt", "t?.ppt"));
    EXPECT_FALSE(MatchesMask("t12.ppt", "t?.ppt"));
}

}  // namespace
}  // namespace slidemint
