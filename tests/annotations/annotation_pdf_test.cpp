// Note annotations in written files: placement, acceptance, page lists and
// encryption, checked in the file's text and through qpdf.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf/pdf_format.hpp"
#include "tests/outlines/qpdf_json.hpp"
#include "tests/pdf/pdf_test_support.hpp"
#include "tests/pdf/pdf_tools.hpp"

namespace slidemint {
namespace {

using nlohmann::json;
using pdf_test::PdfWriterTest;

// The converter's slide page: 1024 x 768 pixels at 96 pixels per inch.
constexpr double kWidth = 1024;
constexpr double kHeight = 768;

std::unique_ptr<TvePDFTextAnnot> Note(TveRect rect, std::u16string contents = u"Notes") {
    auto annot = std::make_unique<TvePDFTextAnnot>();
    annot->Rect = rect;
    annot->Contents = std::move(contents);
    return annot;
}

// The text between `open` and the next `close` after each occurrence of
// `open`, in file order.
std::vector<std::string> TextsAfter(const std::string& file, const std::string& open, char close) {
    std::vector<std::string> texts;
    for (std::size_t at = file.find(open); at != std::string::npos; at = file.find(open, at + 1)) {
        const std::size_t begin = at + open.size();
        texts.push_back(file.substr(begin, file.find(close, begin) - begin));
    }
    return texts;
}

// The /Rect texts of every annotation object in the file, in file order.
std::vector<std::string> AnnotRects(const std::string& file) {
    return TextsAfter(file, "/Type /Annot/Rect [", ']');
}

// The /Annots arrays of the page dictionaries, in file order ("" for a page
// without one).
std::vector<std::string> PageAnnots(const std::string& file) {
    std::vector<std::string> lists;
    for (const std::string& page : TextsAfter(file, "/Type/Page/Parent", '\r')) {
        const std::vector<std::string> annots = TextsAfter(page, "/Annots [", ']');
        lists.push_back(annots.empty() ? "" : annots.front());
    }
    return lists;
}

class AnnotationPdfTest : public PdfWriterTest {
protected:
    std::unique_ptr<TvePDFEngine> SlideEngine(const std::string& name = "out") {
        auto engine = MakeEngine(name);
        engine->SetMeasurementUnit(muPixels);
        engine->InputXRes = 96;
        engine->InputYRes = 96;
        engine->Page().SetPaperSize(TvePaperSize::Custom);
        engine->Page().SetWidth(kWidth);
        engine->Page().SetHeight(kHeight);
        return engine;
    }
};

TEST_F(AnnotationPdfTest, ConverterNoteIsWrittenExactly) {
    auto engine = SlideEngine();
    engine->BeginDoc();
    auto note = Note({kWidth - 60, kHeight - 60, kWidth - 30, kHeight - 30}, u"Hi");
    note->Icon = TvePDFTextAnnot::kHelp;
    engine->AddAnnotation(std::move(note));
    engine->EndDoc();

    const std::string file = pdf_test::ReadFile(PathOf());
    // The first number after the fixed ones, taken while recording.
    const std::string expected =
        "6 0 obj\r\n<<\r\n/Type /Annot/Rect [723.0000 45.0000 745.5000 22.5000]/Subtype /Text /T <FEFF>"
        "/C [0.0000 0.0000 0.0000]/Subj<FEFF>/M(D:20240309070504+05'30')/Name /Help"
        "/Contents <FEFF00480069>/Open false\r\n>>\r\nendobj\r\n";
    EXPECT_NE(file.find(expected), std::string::npos) << file;
    EXPECT_EQ(PageAnnots(file), std::vector<std::string>{"6 0 R"});
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
}

struct PlacementCase {
    const char* name;
    TveReferencePoint referencePoint;
    double margin;       // left, top, right and bottom, pixels
    double header;       // header height, pixels
    bool inHeaderBand;   // added while the header band is the target
    TveRect rect;        // pixels, relative to the drawing area
    const char* expected;  // the written /Rect, or nullptr when refused
};

const PlacementCase kPlacements[] = {
    {"converter note", rpBand, 0, 0, false, {964, 708, 994, 738}, "723.0000 45.0000 745.5000 22.5000"},
    {"corner on the right edge", rpPage, 0, 0, false, {1024, 10, 1030, 20}, "768.0000 568.5000 772.5000 561.0000"},
    {"corner on the bottom edge", rpPage, 0, 0, false, {10, 768, 20, 790}, "7.5000 0.0000 15.0000 -16.5000"},
    {"corner a hair right of the area", rpPage, 0, 0, false, {1024.001, 10, 1030, 20}, nullptr},
    {"corner a hair below the area", rpPage, 0, 0, false, {10, 768.001, 20, 790}, nullptr},
    {"corner left of the area", rpPage, 0, 0, false, {-1, 10, 20, 20}, nullptr},
    {"right edge beyond the page", rpPage, 0, 0, false, {1000, 10, 1200, 20}, "750.0000 568.5000 900.0000 561.0000"},
    {"page origin with margins", rpPage, 50, 0, false, {10, 10, 40, 40}, "7.5000 568.5000 30.0000 546.0000"},
    {"margin origin", rpMargin, 50, 0, false, {10, 10, 40, 40}, "45.0000 531.0000 67.5000 508.5000"},
    {"body origin below the header", rpBand, 50, 20, false, {10, 10, 40, 40}, "45.0000 516.0000 67.5000 493.5000"},
    {"body area while the header is the target", rpBand, 0, 20, true, {10, 10, 40, 40},
     "7.5000 553.5000 30.0000 531.0000"},
    {"corner past the margin area's right edge", rpMargin, 50, 0, false, {975, 10, 980, 20}, nullptr},
};

TEST_F(AnnotationPdfTest, PlacesTheRectangleInTheBodyAreaAndRefusesCornersOutsideIt) {
    int index = 0;
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.name);
        const std::string name = "place" + std::to_string(index++);
        auto engine = SlideEngine(name);
        engine->SetReferencePoint(c.referencePoint);
        for (auto setter : {&TvePageSettings::SetLeftMargin, &TvePageSettings::SetTopMargin,
                            &TvePageSettings::SetRightMargin, &TvePageSettings::SetBottomMargin})
            (engine->Page().*setter)(c.margin);
        engine->Page().SetHeaderHeight(c.header);
        engine->BeginDoc();
        if (c.inHeaderBand) engine->BeginHeader();
        engine->AddAnnotation(Note(c.rect));
        if (c.inHeaderBand) {
            EXPECT_EQ(engine->TargetBand(), bkHeader);
            engine->EndHeader();
        }
        engine->EndDoc();
        const std::string file = pdf_test::ReadFile(PathOf(name));
        const std::vector<std::string> expected =
            c.expected ? std::vector<std::string>{c.expected} : std::vector<std::string>{};
        EXPECT_EQ(AnnotRects(file), expected);
        EXPECT_EQ(PageAnnots(file), std::vector<std::string>{c.expected ? "6 0 R" : ""});
    }
}

TEST_F(AnnotationPdfTest, RefusesAnnotationsOutsideADocument) {
    auto engine = SlideEngine();
    engine->AddAnnotation(Note({10, 10, 20, 20}));
    engine->AddAnnotation(nullptr);
    engine->BeginDoc();
    engine->EndDoc();
    engine->AddAnnotation(Note({10, 10, 20, 20}));
    const std::string file = pdf_test::ReadFile(PathOf());
    EXPECT_TRUE(AnnotRects(file).empty());
    EXPECT_EQ(PageAnnots(file), std::vector<std::string>{""});
}

TEST_F(AnnotationPdfTest, ListsEachPagesAnnotationsInOrderUnlessLinksAreInactive) {
    for (const bool active : {true, false}) {
        SCOPED_TRACE(active ? "ActiveHyperLinks" : "links inactive");
        const std::string name = active ? "active" : "inactive";
        auto engine = SlideEngine(name);
        engine->Preferences().ActiveHyperLinks = active;
        engine->BeginDoc();
        engine->AddAnnotation(Note({10, 10, 20, 20}, u"first"));
        engine->AddAnnotation(Note({30, 10, 40, 20}, u"second"));
        engine->NewPage();
        engine->NewPage();
        engine->AddAnnotation(Note({50, 10, 60, 20}, u"third"));
        engine->SetCurrentPage(1);
        engine->AddAnnotation(Note({70, 10, 80, 20}, u"fourth"));
        engine->EndDoc();

        const std::string file = pdf_test::ReadFile(PathOf(name));
        EXPECT_EQ(AnnotRects(file).size(), 4u);
        const std::vector<std::string> expected =
            active ? std::vector<std::string>{"6 0 R 7 0 R 9 0 R", "", "8 0 R"}
                   : std::vector<std::string>{"", "", ""};
        EXPECT_EQ(PageAnnots(file), expected);
    }
}

// A page left out of the output keeps its annotation object, which no page
// lists; its rectangle is not flipped, as there is no page height to flip at.
TEST_F(AnnotationPdfTest, WritesTheAnnotationOfAPageLeftOutUnlisted) {
    auto engine = SlideEngine();
    engine->PagesToRender = "2";
    engine->BeginDoc();
    engine->AddAnnotation(Note({10, 10, 20, 20}));
    engine->NewPage();
    engine->EndDoc();
    const std::string file = pdf_test::ReadFile(PathOf());
    EXPECT_EQ(AnnotRects(file), std::vector<std::string>{"7.5000 -7.5000 15.0000 -15.0000"});
    EXPECT_EQ(PageAnnots(file), std::vector<std::string>{""});
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
}

TEST_F(AnnotationPdfTest, WritesIconOpenStateAndEmptyNotes) {
    auto engine = SlideEngine();
    engine->BeginDoc();
    auto note = Note({10, 10, 20, 20}, u"");
    note->Icon = TvePDFTextAnnot::kComment;
    note->Open = true;
    engine->AddAnnotation(std::move(note));
    engine->EndDoc();
    const std::string file = pdf_test::ReadFile(PathOf());
    EXPECT_NE(file.find("/Name /Comment/Contents <FEFF>/Open true\r\n"), std::string::npos);
}

TEST_F(AnnotationPdfTest, QpdfDecryptsEveryAnnotationString) {
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    for (const auto level : {TvePDFEncryptionLevel::el40bit, TvePDFEncryptionLevel::el128bit}) {
        const std::string name = level == TvePDFEncryptionLevel::el40bit ? "rc4-40" : "rc4-128";
        SCOPED_TRACE(name);
        auto engine = SlideEngine(name);
        engine->Encryption().Enabled = true;
        engine->Encryption().Level = level;
        engine->Encryption().UserPassword = "user";
        engine->BeginDoc();
        engine->AddAnnotation(Note({10, 10, 20, 20}, u"Sprechernotiz \u00fc (1)\r\nZeile 2"));
        engine->NewPage();
        engine->AddAnnotation(Note({30, 10, 40, 20}, u"second page"));
        engine->EndDoc();

        EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf(name), "user"));
        std::string error;
        const json document = qpdf_json::Read(PathOf(name), "user", error);
        ASSERT_FALSE(document.is_null()) << error;
        for (int i = 0; i < 2; ++i) {
            const json annot = qpdf_json::Object(document, 6 + i);
            EXPECT_EQ(annot["/Subtype"], "/Text");
            EXPECT_EQ(qpdf_json::Text(annot["/T"]), "");
            EXPECT_EQ(qpdf_json::Text(annot["/Subj"]), "");
            EXPECT_EQ(qpdf_json::Text(annot["/M"]), "D:20240309070504+05'30'");
            EXPECT_EQ(annot["/Contents"], i == 0 ? "u:Sprechernotiz \xC3\xBC (1)\r\nZeile 2" : "u:second page");
        }
    }
}

}  // namespace
}  // namespace slidemint
