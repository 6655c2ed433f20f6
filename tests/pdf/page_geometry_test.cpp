// Page sizes and scaling as a viewer sees them, at two screen resolutions.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "pdf_test_support.hpp"
#include "pdf_tools.hpp"

namespace slidemint {
namespace {

using pdf_test::PdfWriterTest;

struct PageSetup {
    TvePaperSize paper;
    TvePrinterOrientation orientation;
    double width = 0;   // used with Custom, in the engine's unit
    double height = 0;
};

struct GeometryCase {
    const char* name;
    int screenPPI;
    TveUnitType unit;
    std::vector<PageSetup> pages;
    std::vector<pdf_tools::PageSize> expected;  // points
    const char* scaling;                        // the content's first operator
};

void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }

class PageGeometryTest : public PdfWriterTest, public ::testing::WithParamInterface<GeometryCase> {};

void ApplyPage(TvePDFEngine& engine, const PageSetup& setup) {
    TvePageSettings& page = engine.Page();
    page.SetPaperSize(setup.paper);
    page.SetOrientation(setup.orientation);
    if (setup.paper == TvePaperSize::Custom) {
        page.SetWidth(setup.width);
        page.SetHeight(setup.height);
    }
}

TEST_P(PageGeometryTest, ViewerSeesTheRequestedSizes) {
    const GeometryCase& c = GetParam();
    FixEnvironment(c.screenPPI);
    auto engine = MakeEngine();
    engine->SetMeasurementUnit(c.unit);
    engine->InputXRes = 96;
    engine->InputYRes = 96;
    engine->Compression().Enabled = false;
    ApplyPage(*engine, c.pages.front());
    engine->BeginDoc();
    for (std::size_t i = 1; i < c.pages.size(); ++i) {
        ApplyPage(*engine, c.pages[i]);
        engine->NewPage();
    }
    engine->EndDoc();

    const std::string bytes = pdf_test::ReadFile(PathOf());
    EXPECT_NE(bytes.find(std::string("stream\r\n") + c.scaling + "\r\n"), std::string::npos);
    SLIDEMINT_SKIP_UNLESS_TOOL("qpdf");
    EXPECT_TRUE(pdf_tools::QpdfCheckPasses(PathOf()));
    SLIDEMINT_SKIP_UNLESS_TOOL("pdfinfo");
    const pdf_tools::PdfInfo info = pdf_tools::ReadPdfInfo(PathOf());
    ASSERT_TRUE(info.ok) << info.raw;
    ASSERT_EQ(info.pages, static_cast<int>(c.expected.size()));
    ASSERT_EQ(info.sizes.size(), c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_NEAR(info.sizes[i].width, c.expected[i].width, 0.01) << "page " << i + 1;
        EXPECT_NEAR(info.sizes[i].height, c.expected[i].height, 0.01) << "page " << i + 1;
    }
}

constexpr auto A4 = TvePaperSize::A4;
constexpr auto Custom = TvePaperSize::Custom;
constexpr auto Letter = TvePaperSize::Letter;

INSTANTIATE_TEST_SUITE_P(
    Pages, PageGeometryTest,
    ::testing::Values(
        GeometryCase{"A4PortraitAndLandscape", 96, muInches,
                     {{A4, poPortrait}, {A4, poLandscape}, {Letter, poPortrait}},
                     {{595.2744, 841.8888}, {841.8888, 595.2744}, {612, 792}},
                     "q 1.0000 0 0 1.0000 0 0 cm"},
        GeometryCase{"CustomInches", 96, muInches,
                     {{Custom, poPortrait, 4, 3}, {Custom, poPortrait, 10, 7.5}},
                     {{288, 216}, {720, 540}},
                     "q 1.0000 0 0 1.0000 0 0 cm"},
        GeometryCase{"PixelsAt96", 96, muPixels,
                     {{Custom, poPortrait, 640, 480}, {Custom, poPortrait, 1024, 768}},
                     {{480, 360}, {768, 576}},
                     "q 1.0000 0 0 1.0000 0 0 cm"},
        GeometryCase{"PixelsAt120", 120, muPixels,
                     {{Custom, poPortrait, 640, 480}, {A4, poLandscape}},
                     {{384, 288}, {841.8888, 595.2744}},
                     "q 1.2500 0 0 1.2500 0 0 cm"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace slidemint
