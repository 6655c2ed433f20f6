#include <gtest/gtest.h>

#include <fstream>

#include "app/conversion_job.hpp"
#include "job_fixture.hpp"
#include "pdf/pdf_engine.hpp"
#include "pdf_tools.hpp"

namespace slidemint::testing {
namespace {

class ConversionJobTest : public JobFixture {
protected:
    ConversionOutcome Convert(const std::string& deck, const std::string& output, ConversionOptions options = {}) {
        OfficeApplication office(Factory());
        TvePDFEngine engine;
        ConversionJob job(office, engine, observer, environment);
        job.Options = options;
        return job.ConvertPresentation("/decks/" + deck, output);
    }
};

TEST_F(ConversionJobTest, OnePagePerSlideAtTheChosenSize) {
    struct Case { int slides; int quality; const char* pageSize; const char* pages; };
    const Case cases[] = {
        {0, 0, "480 x 360 pts", "Pages:           1"},   // the page BeginDoc starts
        {1, 1, "600 x 450 pts", "Pages:           1"},
        {2, 2, "768 x 576 pts", "Pages:           2"},
        {3, 3, "540 x 405 pts", "Pages:           3"},   // 720 x 540 pt slides used as pixels
    };
    for (const Case& c : cases) {
        decks["deck.ppt"] = Deck(c.slides);
        observer = {};
        ConversionOptions options;
        options.qualityIndex = c.quality;
        const std::string pdf = Out("deck" + std::to_string(c.slides) + ".pdf");
        ASSERT_EQ(Convert("deck.ppt", pdf, options), ConversionOutcome::Converted);
        const std::string info = PdfInfo(pdf);
        EXPECT_TRUE(Contains(info, c.pages)) << info;
        EXPECT_TRUE(Contains(info, c.pageSize)) << info;
        EXPECT_TRUE(Contains(RunCommand("qpdf --check " + Quoted(pdf)), "No syntax or stream encoding errors"));
        EXPECT_EQ(observer.slidesShown, c.slides);
    }
    EXPECT_TRUE(WorkFoldersEmpty());
}

TEST_F(ConversionJobTest, StatusTextsInOrder) {
    decks["Talk.ppt"] = Deck(2);
    const std::string pdf = Out("Talk.pdf");
    Convert("Talk.ppt", pdf);
    const std::vector<std::string> expected{
        "Files " + pdf + " Total 2 slides.", "Process file /decks/Talk.ppt images 1 of 2",
        "Process file /decks/Talk.ppt images 2 of 2", "Export Complete : " + pdf};
    EXPECT_EQ(observer.statuses, expected);
}

TEST_F(ConversionJobTest, MissingOfficeShowsTheMessageWithItsCause) {
    cannotStart = true;
    EXPECT_EQ(Convert("deck.ppt", Out("deck.pdf")), ConversionOutcome::ApplicationUnavailable);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0], "Cannot Open Powerpoint Application\ncannot start the office suite: soffice is not installed");
    EXPECT_FALSE(std::filesystem::exists(Out("deck.pdf")));
    EXPECT_TRUE(WorkFoldersEmpty());
}

TEST_F(ConversionJobTest, FailedSlideKeepsThePagesMadeSoFar) {
    decks["deck.ppt"] = Deck(4, 3);
    EXPECT_THROW(Convert("deck.ppt", Out("deck.pdf")), RendererError);
    EXPECT_TRUE(Contains(PdfInfo(Out("deck.pdf")), "Pages:           2"));
    EXPECT_TRUE(Contains(RunCommand("qpdf --check " + Quoted(Out("deck.pdf"))), "No syntax or stream encoding errors"));
    EXPECT_FALSE(Contains(observer.statuses.back(), "Export Complete"));
    EXPECT_TRUE(WorkFoldersEmpty());
    ASSERT_FALSE(renderers.empty());
    EXPECT_EQ(renderers[0]->openPresentations, 0);
}

TEST_F(ConversionJobTest, FailureBeforeAnySlideLeavesNoFileAndKeepsAnEarlierOne) {
    decks["deck.ppt"] = Deck(2, 1);
    EXPECT_THROW(Convert("deck.ppt", Out("new.pdf")), RendererError);
    EXPECT_FALSE(std::filesystem::exists(Out("new.pdf")));

    std::ofstream(Out("old.pdf")) << "earlier";
    decks["deck.ppt"].failExportAt = 2;
    EXPECT_THROW(Convert("deck.ppt", Out("old.pdf")), RendererError);
    std::ifstream earlier(Out("old.pdf"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root / "out"), {}), 1);  // no leftovers
}

TEST_F(ConversionJobTest, UnopenableDeckRaisesAndWritesNothing) {
    decks["locked.ppt"] = RefusedDeck();
    EXPECT_THROW(Convert("locked.ppt", Out("locked.pdf")), PresentationOpenError);
    EXPECT_FALSE(std::filesystem::exists(Out("locked.pdf")));
    EXPECT_TRUE(WorkFoldersEmpty());
}

TEST_F(ConversionJobTest, OptionsReachTheCatalogPagesOutlineAndNotes) {
    decks["deck.ppt"] = Deck(2);
    decks["deck.ppt"].titles = {{1, u"First\r\ntitle"}};  // slide 2 has no title shape
    decks["deck.ppt"].notes = {{1, u"\r\n"}, {2, u"Say hello"}};
    ConversionOptions options;
    options.addToc = true;
    options.fullScreen = true;
    options.animation = true;
    options.hideToolBar = true;
    options.author = "Ana \xc3\xa9";
    options.creator = "Slidemint tests";
    options.openAfterConversion = true;
    ASSERT_EQ(Convert("deck.ppt", Out("deck.pdf"), options), ConversionOutcome::Converted);
    const std::string text = PdfAsText(Out("deck.pdf"));
    for (const char* part : {"/PageMode /FullScreen", "/PageLayout /TwoColumnLeft", "/HideToolbar true",
                             "/HideMenubar true", "/NonFullScreenPageMode /UseThumbs", "/S /Dissolve", "/Dur 2"})
        EXPECT_TRUE(Contains(text, part)) << part;
    const std::string info = PdfInfo(Out("deck.pdf"));
    EXPECT_TRUE(Contains(info, "Ana \xc3\xa9")) << info;
    EXPECT_TRUE(Contains(info, "Slidemint tests")) << info;
    EXPECT_TRUE(Contains(RunCommand("qpdf --json --json-key=outlines " + Quoted(Out("deck.pdf"))), "First  title"));
    // Line breaks alone become blanks and still make a note; slide 2's notes make the second.
    std::size_t notes = 0;
    for (std::size_t at = text.find("/Subtype /Text"); at != std::string::npos; at = text.find("/Subtype /Text", at + 1))
        ++notes;
    EXPECT_EQ(notes, 2u);
    const std::string objects = PdfObjectsJson(Out("deck.pdf"));
    EXPECT_TRUE(Contains(objects, "\"/Contents\": \"u:  \"")) << objects;
    EXPECT_TRUE(Contains(objects, "\"/Contents\": \"u:Say hello\"")) << objects;
    EXPECT_EQ(opened, std::vector<std::string>{Out("deck.pdf")});
}

TEST_F(ConversionJobTest, EncryptedWithPasswordsOpensWithTheUserPassword) {
    decks["deck.ppt"] = Deck(1);
    ConversionOptions options;
    options.encrypt = true;
    options.userPassword = "user";
    options.ownerPassword = "owner";
    ASSERT_EQ(Convert("deck.ppt", Out("deck.pdf"), options), ConversionOutcome::Converted);
    EXPECT_TRUE(Contains(PdfInfo(Out("deck.pdf")), "Incorrect password")) << PdfInfo(Out("deck.pdf"));
    const std::string info = PdfInfo(Out("deck.pdf"), "user");
    EXPECT_TRUE(Contains(info, "Encrypted:       yes (print:no copy:yes change:no addNotes:no algorithm:RC4)")) << info;
}

}  // namespace
}  // namespace slidemint::testing
