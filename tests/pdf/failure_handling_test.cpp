// A document that fails while it is written leaves no truncated file behind:
// an earlier good file survives and no temporary file remains.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "pdf_test_support.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

// A sink that fails once a given number of bytes has been written.
class FailingSink : public ByteSink {
public:
    explicit FailingSink(std::size_t limit) : limit_(limit) {}
    using ByteSink::write;
    void write(const char* data, std::size_t size) override {
        if (bytes_.size() + size > limit_) throw EngineError("disk full");
        bytes_.append(data, size);
    }

private:
    std::size_t limit_;
    std::string bytes_;
};

std::size_t FilesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

struct FailureCase {
    const char* name;
    std::function<void(TvePDFEngine&)> arm;  // makes the document fail in EndDoc
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailedEndDocTest : public PdfWriterTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedEndDocTest, KeepsTheEarlierFileAndLeavesNoTemporaryFile) {
    auto good = MakeEngine();
    good->BeginDoc();
    good->EndDoc();
    const std::string earlier = pdf_test::ReadFile(PathOf());
    ASSERT_FALSE(earlier.empty());

    auto engine = MakeEngine();
    engine->BeginDoc();
    engine->NewPage();
    GetParam().arm(*engine);
    EXPECT_THROW(engine->EndDoc(), std::exception);

    EXPECT_EQ(pdf_test::ReadFile(PathOf()), earlier);
    EXPECT_EQ(FilesIn(Folder()), 1u);
    EXPECT_FALSE(engine->DocumentOpen());

    // The engine starts the next document afresh.
    engine->OnBeforeEndDoc = nullptr;
    engine->OnAfterBeginPage = nullptr;
    engine->OnBeforeEndPage = nullptr;
    engine->BeginDoc();
    engine->EndDoc();
    EXPECT_EQ(pdf_test::ReadFile(PathOf()), earlier);
    EXPECT_EQ(FilesIn(Folder()), 1u);
}

void Throw(TveCustomDocumentEngine&) { throw std::runtime_error("event failed"); }

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedEndDocTest,
    ::testing::Values(FailureCase{"BeforeEndDoc", [](TvePDFEngine& e) { e.OnBeforeEndDoc = Throw; }},
                      FailureCase{"AfterBeginPage", [](TvePDFEngine& e) { e.OnAfterBeginPage = Throw; }},
                      FailureCase{"SecondPageEnd",
                                  [](TvePDFEngine& e) {
                                      e.OnBeforeEndPage = [](TveCustomDocumentEngine& sender) {
                                          if (sender.CurrentPage() == 2) Throw(sender);
                                      };
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PdfWriterTest, FailingUserStreamPropagatesAndTheWriterRecovers) {
    for (std::size_t limit : {0u, 17u, 300u, 900u}) {
        auto engine = MakeEngine();
        FailingSink sink(limit);
        engine->Preferences().SetOutputToUserStream(true);
        engine->SetUserStream(&sink);
        EXPECT_THROW(
            {
                engine->BeginDoc();
                engine->EndDoc();
            },
            EngineError)
            << limit;
        EXPECT_FALSE(engine->DocumentOpen());
        MemoryByteSink good;
        engine->SetUserStream(&good);
        engine->BeginDoc();
        engine->EndDoc();
        EXPECT_EQ(good.bytes().substr(good.bytes().size() - 5), "%%EOF");
    }
}

TEST_F(PdfWriterTest, UserStreamWithoutASinkIsAClearError) {
    auto engine = MakeEngine();
    engine->Preferences().SetOutputToUserStream(true);
    try {
        engine->BeginDoc();
        FAIL() << "BeginDoc without a user stream succeeded";
    } catch (const EngineError& error) {
        EXPECT_NE(std::string(error.what()).find("UserStream"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(engine->DocumentOpen());
}

TEST_F(PdfWriterTest, UncreatableOutputRaisesFileCreateError) {
    auto engine = MakeEngine();
    engine->SetFileName((Folder() / "missing-folder" / "out.pdf").string());
    EXPECT_THROW(engine->BeginDoc(), EFileCreateError);
    EXPECT_FALSE(engine->DocumentOpen());
    EXPECT_EQ(engine->EngineStatus(), esOutputFailed);
    EXPECT_EQ(FilesIn(Folder()), 0u);
}

}  // namespace
}  // namespace slidemint
