#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include <unistd.h>

#include "app/renderer/fake/fake_presentation_renderer.hpp"
#include "app/renderer/renderer_error.hpp"
#include "platform/imaging/bmp_codec.hpp"
#include "tests/renderer/bmp_header.hpp"

namespace slidemint {
namespace {

class FakeRenderer : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("slidemint-fake-renderer-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    FakePresentationRenderer renderer_;
};

TEST_F(FakeRenderer, ServesItsDecksAndExportsSolidBitmapsOfTheSizeAsked) {
    FakeDeck deck = FakeDeck::withSlides(2, {960, 540});
    deck.slides[1].colour = 0x00336699;
    renderer_.addDeck("talk.ppt", deck);

    auto presentation = renderer_.open("talk.ppt");
    EXPECT_EQ(presentation->slideCount(), 2);
    EXPECT_EQ(presentation->slideSize().width, 960);
    auto slide = presentation->slide(2);
    EXPECT_EQ(slide->title(), u"Slide 2");
    EXPECT_EQ(slide->notes(), u"Notes 2");

    auto file = folder_ / "Slide0002.bmp";
    slide->exportBitmap(file, 64, 48);
    auto header = test::readBmpHeaderFields(file);
    EXPECT_EQ(header.bitsPerPixel, 24);
    EXPECT_NE(header.fileSizeField, header.realFileSize) << "the header's size field is wrong, as the office's is";
    Bitmap bitmap = readBmpFile(file.string());
    EXPECT_EQ(bitmap.width(), 64);
    EXPECT_EQ(bitmap.height(), 48);
    EXPECT_EQ(bitmap.pixelColor(63, 47), 0x00336699u);

    presentation->close();
    presentation->close();
    EXPECT_EQ(renderer_.log().openPresentations(), 0);
    EXPECT_EQ(renderer_.log().exportedFiles.size(), 1u);
}

TEST_F(FakeRenderer, RaisesTheErrorOfEachFailureKind) {
    struct Case {
        FakeFailure failure;
        std::function<void(const RendererError&)> check;
        bool officeLost;
    };
    const Case cases[] = {
        {FakeFailure::Error, [](const RendererError& e) { EXPECT_EQ(typeid(e), typeid(RendererError)); }, false},
        {FakeFailure::TimedOut, [](const RendererError& e) { EXPECT_NE(dynamic_cast<const RendererTimeoutError*>(&e), nullptr); }, true},
        {FakeFailure::OfficeDied, [](const RendererError& e) { EXPECT_NE(dynamic_cast<const OfficeDiedError*>(&e), nullptr); }, true},
    };
    for (const auto& c : cases) {
        FakePresentationRenderer renderer;
        FakeDeck deck = FakeDeck::withSlides(1);
        deck.slides[0].exportFailure = c.failure;
        renderer.addDeck("a.ppt", deck);
        auto presentation = renderer.open("a.ppt");
        try {
            presentation->slide(1)->exportBitmap(folder_ / "x.bmp", 8, 8);
            ADD_FAILURE() << "exported";
        } catch (const RendererError& error) {
            c.check(error);
            EXPECT_EQ(error.file(), "a.ppt");
        }
        if (c.officeLost) {
            EXPECT_THROW(presentation->slideCount(), RendererError);
        }
        renderer.open("a.ppt");
        EXPECT_EQ(renderer.log().starts, c.officeLost ? 2 : 1);
    }
}

TEST_F(FakeRenderer, FailsOpenAndStartAsTheOfficeWould) {
    FakeDeck encrypted = FakeDeck::withSlides(1);
    encrypted.openFailure = FakeFailure::Error;
    renderer_.addDeck("locked.ppt", encrypted);
    renderer_.addDeck("fine.ppt", FakeDeck::withSlides(0));

    EXPECT_THROW(renderer_.open("missing.ppt"), PresentationOpenError);
    renderer_.failStart("soffice is not installed");
    EXPECT_THROW(renderer_.open("fine.ppt"), OfficeStartError);
    EXPECT_THROW(renderer_.open("locked.ppt"), PresentationOpenError);
    auto empty = renderer_.open("fine.ppt");
    EXPECT_EQ(empty->slideCount(), 0);
    EXPECT_THROW(empty->slide(1), RendererError);
    renderer_.quit();
    EXPECT_THROW(empty->slideCount(), RendererError) << "quit ends what was open";
    EXPECT_EQ(renderer_.log().quits, 1);
}

}  // namespace
}  // namespace slidemint
