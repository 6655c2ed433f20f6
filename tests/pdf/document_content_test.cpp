// Catalog, page, information and trailer entries of whole documents.
#include <gtest/gtest.h>

#include <string>

#include "pdf/pdf_format.hpp"
#include "pdf_test_support.hpp"
#include "pdf_tools.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

std::size_t CountOf(const std::string& text, const std::string& piece) {
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
    return count;
}

// The text of object n up to its "endobj".
std::string ObjectText(const std::string& bytes, int number) {
    const std::string head = "\n" + std::to_string(number) + " 0 obj\r\n";
    const std::size_t start = bytes.find(head);
    if (start == std::string::npos) return {};
    return bytes.substr(start + 1, bytes.find("endobj", start) - start - 1);
}

TEST_F(PdfWriterTest, ViewerPreferencesGoToTheCatalogAndTransitionsToEveryPage) {
    auto engine = MakeEngine();
    TveViewerPreferences& viewer = engine->ViewerPreferences();
    viewer.CenterWindow = viewer.FitWindow = viewer.HideMenuBar = viewer.HideToolBar = true;
    viewer.PageMode = TvePageMode::pmFullScreen;
    viewer.NonFullScreenPageMode = TveNonFullScreenPageMode::nfspmUseThumbs;
    viewer.PageLayout = TvePageLayout::plTwoColumnLeft;
    viewer.PresentationMode = {2, TveTransitionEffect::teDissolve};
    engine->BeginDoc();
    engine->NewPage();
    engine->NewPage();
    engine->EndDoc();

    const std::string bytes = pdf_test::ReadFile(PathOf());
    EXPECT_EQ(ObjectText(bytes, 1),
              "1 0 obj\r\n<<\r\n/Type/Catalog/Pages 2 0 R/PageMode/FullScreen/PageLayout/TwoColumnLeft"
              "/ViewerPreferences <</CenterWindow true/FitWindow true/HideMenubar true/HideToolbar true"
              "/NonFullScreenPageMode/UseThumbs >>\r\n>>\r\n");
    for (int page : {6, 9, 12})
        EXPECT_NE(ObjectText(bytes, page).find("/Contents " + ObjectRef(page + 1) +
                                               "/Dur 2/Trans <</Type/Trans/D 2/S/Dissolve >>\r\n>>"),
                  std::string::npos)
            << page;
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
}

TEST_F(PdfWriterTest, EveryTransitionEffectIsAcceptedByQpdf) {
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    for (int effect = 0; effect <= static_cast<int>(TveTransitionEffect::teGlitterTopLeftToBottomRight);
         ++effect) {
        auto engine = MakeEngine();
        engine->ViewerPreferences().PresentationMode = {5, static_cast<TveTransitionEffect>(effect)};
        engine->BeginDoc();
        engine->EndDoc();
        EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf())) << "effect " << effect;
    }
}

TEST_F(PdfWriterTest, DocumentInformationSkipsBlankValuesAndKeepsSurroundingBlanks) {
    auto engine = MakeEngine();
    engine->DocInfo().SetAuthor(u" \t ");
    engine->DocInfo().SetTitle(u" Quarterly D\u00e9ck ");
    engine->DocInfo().SetCreator(u"Slidemint");
    engine->BeginDoc();
    engine->EndDoc();

    const std::string info = ObjectText(pdf_test::ReadFile(PathOf()), 3);
    EXPECT_EQ(info.find("/Author"), std::string::npos);
    EXPECT_NE(info.find("/Producer <" + StrToHex("Korvella Pressline V2.1") + ">/Creator <" +
                        StrToHex(Utf16BeWithMark(u"Slidemint")) + ">/Title <" +
                        StrToHex(Utf16BeWithMark(u" Quarterly D\u00e9ck ")) + ">\r\n"),
              std::string::npos)
        << info;
    SLIDEMINT_SKIP_UNLESS_TOOL("pdfinfo");
    const pdf_tools::PdfInfo viewerInfo = pdf_tools::ReadPdfInfo(PathOf());
    EXPECT_EQ(pdf_tools::InfoValue(viewerInfo, "Producer"), "Korvella Pressline V2.1");
    EXPECT_EQ(pdf_tools::InfoValue(viewerInfo, "Creator"), "Slidemint");
}

TEST_F(PdfWriterTest, PagesLeftOutGetNoObjectsAndTheCatalogComesWithTheFirstPageOutput) {
    const struct {
        const char* pages;
        int count;
        const char* kids;
    } cases[] = {
        {"2,3", 2, "/Kids [6 0 R 9 0 R]"},
        {"3", 1, "/Kids [6 0 R]"},
        {"7", 0, "/Kids []"},  // nothing selected: still a readable file
    };
    for (const auto& c : cases) {
        auto engine = MakeEngine();
        engine->PagesToRender = c.pages;
        engine->BeginDoc();
        engine->NewPage();
        engine->NewPage();
        engine->EndDoc();
        const std::string bytes = pdf_test::ReadFile(PathOf());
        EXPECT_NE(ObjectText(bytes, 2).find("/Count " + std::to_string(c.count) + c.kids), std::string::npos)
            << c.pages;
        EXPECT_NE(ObjectText(bytes, 1).find("/Type/Catalog"), std::string::npos) << c.pages;
        EXPECT_EQ(CountOf(bytes, "/Type/Page/"), static_cast<std::size_t>(c.count)) << c.pages;
        if (!pdf_tools::ToolAvailable("qpdf")) continue;
        EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf())) << c.pages;
    }
}

TEST_F(PdfWriterTest, EncryptedDocumentCarriesIdAndEncryptAndOpensWithItsPassword) {
    auto engine = MakeEngine();
    engine->Encryption().Enabled = true;
    engine->Encryption().UserPassword = "user";
    engine->Encryption().OwnerPassword = "owner";
    engine->DocInfo().SetTitle(u"Secret");
    engine->BeginDoc();
    engine->NewPage();
    engine->EndDoc();

    const std::string bytes = pdf_test::ReadFile(PathOf());
    // Object numbers 6..11 are the pages, 12 the encryption dictionary.
    EXPECT_NE(bytes.find("/Root 1 0 R/Info 3 0 R/Size 13/ID [<"), std::string::npos);
    EXPECT_NE(bytes.find(">]/Encrypt 12 0 R\r\n>>"), std::string::npos);
    EXPECT_EQ(bytes.find(StrToHex("Korvella Pressline V2.1")), std::string::npos);  // encrypted
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf(), "user"));
    SLIDEMINT_SKIP_UNLESS_TOOL("pdfinfo");
    const pdf_tools::PdfInfo info = pdf_tools::ReadPdfInfo(PathOf(), "user");
    EXPECT_EQ(pdf_tools::InfoValue(info, "Producer"), "Korvella Pressline V2.1") << info.raw;
    EXPECT_EQ(pdf_tools::InfoValue(info, "Title"), "Secret");
    EXPECT_EQ(info.pages, 2);
}

TEST_F(PdfWriterTest, UnencryptedTrailerHasNoIdOrEncrypt) {
    auto engine = MakeEngine();
    engine->BeginDoc();
    engine->EndDoc();
    const std::string bytes = pdf_test::ReadFile(PathOf());
    EXPECT_NE(bytes.find("trailer\r\n<<\r\n/Root 1 0 R/Info 3 0 R/Size 9\r\n>>"), std::string::npos);
    EXPECT_EQ(bytes.find("/ID"), std::string::npos);
    EXPECT_EQ(bytes.find("/Encrypt"), std::string::npos);
}

TEST_F(PdfWriterTest, OutputToUserStreamWritesTheSameBytesAsTheFile) {
    auto toFile = MakeEngine();
    toFile->BeginDoc();
    toFile->EndDoc();
    auto toSink = MakeEngine("unused");
    MemoryByteSink sink;
    sink.write(std::string("earlier bytes"));
    toSink->Preferences().SetOutputToUserStream(true);
    toSink->SetUserStream(&sink);
    toSink->BeginDoc();
    toSink->EndDoc();
    EXPECT_EQ(sink.bytes(), "earlier bytes" + pdf_test::ReadFile(PathOf()));
    EXPECT_FALSE(std::filesystem::exists(PathOf("unused")));
}

}  // namespace
}  // namespace slidemint
