// What the LibreOffice renderer reports for the shared sample decks. One
// office serves the whole suite.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/renderer/libreoffice_renderer.hpp"
#include "app/renderer/renderer_error.hpp"
#include "platform/imaging/bmp_codec.hpp"
#include "tests/renderer/bmp_header.hpp"
#include "tests/renderer/shared_decks.hpp"

namespace slidemint {
namespace {

using test::sharedDeck;

class LibreOfficeDecks : public ::testing::Test {
protected:
    static void SetUpTestSuite() { renderer_ = new LibreOfficeRenderer(); }
    static void TearDownTestSuite() {
        delete renderer_;
        renderer_ = nullptr;
    }
    void SetUp() override { SKIP_WITHOUT_SHARED_DECKS(); }

    static LibreOfficeRenderer& renderer() { return *renderer_; }

    std::filesystem::path scratchFolder() {
        auto folder = std::filesystem::temp_directory_path() /
                      ("slidemint-renderer-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return folder;
    }

private:
    static LibreOfficeRenderer* renderer_;
};

LibreOfficeRenderer* LibreOfficeDecks::renderer_ = nullptr;

TEST_F(LibreOfficeDecks, ReportsSlideCountAndSizeInPoints) {
    struct Case {
        const char* deck;
        int slides;
        double width;
        double height;
    };
    const Case cases[] = {
        {"SampleShow.ppt", 2, 720, 540},
        {"SampleShow.pps", 2, 720, 540},
        {"table_test.ppt", 1, 960.1, 540},
        {"WithLinks.ppt", 2, 793.7, 595.3},
        {"57272_corrupted_usereditatom.ppt", 6, 720, 540},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deck);
        auto presentation = renderer().open(sharedDeck(c.deck));
        EXPECT_EQ(presentation->slideCount(), c.slides);
        SlideSize size = presentation->slideSize();
        EXPECT_NEAR(size.width, c.width, 0.05);
        EXPECT_NEAR(size.height, c.height, 0.05);
        presentation->close();
    }
}

TEST_F(LibreOfficeDecks, ReadsTitlesAndNotes) {
    auto presentation = renderer().open(sharedDeck("SampleShow.ppt"));
    auto first = presentation->slide(1);
    auto second = presentation->slide(2);
    EXPECT_EQ(first->title(), u"Title of the first slide");
    EXPECT_EQ(second->title(), u"This is the second slide");
    EXPECT_FALSE(first->notes().empty());
    EXPECT_NE(second->notes().find_first_of(u"\r\n"), std::u16string::npos) << "the second notes span lines";

    auto plain = renderer().open(sharedDeck("empty.ppt"));
    EXPECT_EQ(plain->slide(1)->title(), u"");
    EXPECT_EQ(plain->slide(1)->notes(), u"");
    auto textBox = renderer().open(sharedDeck("with_textbox.ppt"));
    EXPECT_EQ(textBox->slide(1)->title(), u"") << "a text box is not a title";
}

TEST_F(LibreOfficeDecks, ExportsBitmapsOfExactlyTheSizeAsked) {
    struct Case {
        int width;
        int height;
    };
    auto presentation = renderer().open(sharedDeck("SampleShow.ppt"));
    auto slide = presentation->slide(2);
    for (const auto& c : {Case{640, 480}, Case{720, 540}, Case{801, 333}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        auto file = scratchFolder() / "Slide0002.bmp";
        slide->exportBitmap(file, c.width, c.height);
        auto header = test::readBmpHeaderFields(file);
        EXPECT_TRUE(header.signatureOk);
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(std::abs(header.height), c.height);
        EXPECT_EQ(header.bitsPerPixel, 24);
        Bitmap bitmap = readBmpFile(file.string());
        EXPECT_EQ(bitmap.width(), c.width);
        EXPECT_EQ(bitmap.height(), c.height);
    }
    std::filesystem::remove_all(scratchFolder());
}

TEST_F(LibreOfficeDecks, RejectsImpossibleRequestsWithoutHarm) {
    auto presentation = renderer().open(sharedDeck("SampleShow.ppt"));
    EXPECT_THROW(presentation->slide(0), RendererError);
    EXPECT_THROW(presentation->slide(3), RendererError);
    auto slide = presentation->slide(1);
    for (auto [width, height] : {std::pair{0, 0}, std::pair{640, -1}, std::pair{70000, 480}}) {
        EXPECT_THROW(slide->exportBitmap(scratchFolder() / "x.bmp", width, height), RendererError);
    }
    EXPECT_EQ(presentation->slideCount(), 2) << "the office is still there";
    std::filesystem::remove_all(scratchFolder());
}

TEST_F(LibreOfficeDecks, FailsRefusedDecksWithTheFileAndCauseThenGoesOn) {
    struct Case {
        const char* deck;
        const char* causeText;
    };
    const Case cases[] = {
        {"Password_Protected-hello.ppt", "cannot open"},
        {"clusterfuzz-testcase-minimized-POIHSLFFuzzer-6614960949821440.ppt", ""},
        {"clusterfuzz-testcase-minimized-POIFuzzer-5681320547975168.ppt", ""},
        {"no-such-deck.ppt", "does not exist"},
        {".", "not a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.deck);
        std::string file = sharedDeck(c.deck);
        try {
            renderer().open(file);
            ADD_FAILURE() << "opened";
        } catch (const RendererError& error) {
            EXPECT_EQ(error.file(), file);
            EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
            EXPECT_NE(error.cause().find(c.causeText), std::string::npos) << error.what();
        }
        EXPECT_EQ(renderer().open(sharedDeck("empty.ppt"))->slideCount(), 1) << "the next file still opens";
    }
}

}  // namespace
}  // namespace slidemint
