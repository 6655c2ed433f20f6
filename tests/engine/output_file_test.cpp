#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "test_support.hpp"

namespace slidemint {
namespace {

namespace fs = std::filesystem;
using testing::FixedEnvironment;
using testing::RecordingEngine;

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class OutputFileTest : public FixedEnvironment {
protected:
    void SetUp() override {
        FixedEnvironment::SetUp();
        folder = fs::path(::testing::TempDir()) / ("engine_output_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        target = folder / "deck.pdf";
        engine.outputName = target.string();
    }
    void TearDown() override {
        fs::remove_all(folder);
        FixedEnvironment::TearDown();
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path folder;
    fs::path target;
    RecordingEngine engine;
};

TEST_F(OutputFileTest, TheTargetAppearsOnlyWhenTheDocumentIsComplete) {
    engine.BeginDoc();
    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(filesInFolder().size(), 1u);  // the temporary file next to it
    engine.NewPage();
    engine.EndDoc();
    EXPECT_EQ(contentsOf(target), "begin;page;page;end;");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"deck.pdf"});
    EXPECT_EQ(engine.CreatedFiles(), std::vector<std::string>{target.string()});
}

TEST_F(OutputFileTest, FailureInsideEndDocKeepsTheEarlierFileAndRecovers) {
    {
        std::ofstream earlier(target, std::ios::binary);
        earlier << "earlier good file";
    }
    engine.failIn = "WriterEndPage";
    engine.BeginDoc();
    EXPECT_THROW(engine.EndDoc(), std::runtime_error);
    EXPECT_EQ(engine.log.back(), "WriterAbortDoc");
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_EQ(engine.EngineStatus(), esOutputFailed);
    EXPECT_EQ(contentsOf(target), "earlier good file");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"deck.pdf"});

    engine.failIn.clear();
    engine.log.clear();
    engine.BeginDoc();  // starts afresh
    EXPECT_TRUE(engine.DocumentOpen());
    EXPECT_EQ(engine.PageCount(), 1);
    engine.EndDoc();
    EXPECT_EQ(contentsOf(target), "begin;page;end;");
}

TEST_F(OutputFileTest, FailureInAnEventHandlerIsRecoveredLikeAWriterFailure) {
    engine.OnBeforeEndDoc = [](TveCustomDocumentEngine&) { throw std::runtime_error("handler failed"); };
    engine.BeginDoc();
    EXPECT_THROW(engine.EndDoc(), std::runtime_error);
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(OutputFileTest, UncreatableFileRaisesFileCreateErrorAndClosesTheDocument) {
    engine.outputName = (folder / "missing" / "deck.pdf").string();
    try {
        engine.BeginDoc();
        FAIL() << "no error";
    } catch (const EFileCreateError& error) {
        EXPECT_STREQ(error.what(),
                     "File could not be created!\r\n\r\nPossible cause: It could be in use by some other application");
    }
    EXPECT_EQ(engine.EngineStatus(), esOutputFailed);
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_EQ(engine.log.back(), "WriterAbortDoc");

    engine.outputName = target.string();  // a later document works
    engine.BeginDoc();
    engine.EndDoc();
    EXPECT_TRUE(fs::exists(target));
}

TEST_F(OutputFileTest, TargetThatIsAFolderCannotBeCreated) {
    fs::create_directories(target);
    EXPECT_THROW(engine.BeginDoc(), EFileCreateError);
    EXPECT_TRUE(fs::is_directory(target));
}

TEST_F(OutputFileTest, FailureWhileBeginningLeavesNoDocument) {
    engine.failIn = "WriterBeginDoc";
    EXPECT_THROW(engine.BeginDoc(), std::runtime_error);
    EXPECT_FALSE(engine.DocumentOpen());
    engine.failIn.clear();
    engine.BeginDoc();
    EXPECT_TRUE(engine.DocumentOpen());
    engine.EndDoc();
}

TEST_F(OutputFileTest, FailureWhileRenderingAPageEarlyDiscardsTheDocument) {
    engine.Preferences().SetProcessAfterEachPage(true);
    engine.failIn = "WriterEndPage";
    engine.BeginDoc();
    EXPECT_THROW(engine.NewPage(), std::runtime_error);
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_EQ(engine.log.back(), "WriterAbortDoc");
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(OutputFileTest, UserStreamReceivesTheOutput) {
    MemoryByteSink sink;
    engine.outputName.clear();
    engine.output = &sink;
    engine.Preferences().SetOutputToUserStream(true);
    engine.SetUserStream(&sink);
    engine.BeginDoc();
    engine.EndDoc();
    EXPECT_EQ(sink.bytes(), "begin;page;end;");
    EXPECT_EQ(engine.UserStream(), &sink);
}

}  // namespace
}  // namespace slidemint
