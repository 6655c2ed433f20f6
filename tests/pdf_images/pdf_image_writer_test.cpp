#include "image_pdf_engine.hpp"
#include "poppler_render.hpp"
#include "tests/support/bitmap_compare.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace slidemint {
namespace {

using testing::ImagePdfDocument;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The file with its Flate streams inflated by qpdf, a reader we did not write.
std::string inflated(const std::string& path) {
    return testing::commandOutput("qpdf --stream-data=uncompress --object-streams=disable " + path + " - 2>/dev/null");
}

bool qpdfAccepts(const std::string& path) {
    return std::system(("qpdf --check " + path + " >/dev/null 2>&1").c_str()) == 0;
}

bool toolsAvailable() {
    return testing::popplerAvailable() && std::system("command -v qpdf >/dev/null 2>&1") == 0;
}

Bitmap slideLike(int width, int height) {
    Bitmap bitmap(width, height, PixelFormat::Bgr24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto r = static_cast<std::uint32_t>(x * 255 / width);
            auto g = static_cast<std::uint32_t>(128 + 120 * std::sin(y / 9.0));
            auto b = static_cast<std::uint32_t>(128 + 100 * std::cos((x + 2 * y) / 17.0));
            bitmap.setPixelColor(x, y, r | g << 8 | b << 16);
        }
    return bitmap;
}


bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PdfImageWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!toolsAvailable()) GTEST_SKIP() << "qpdf or pdftoppm is not installed";
    }
};

// The converter's case: a slide bitmap drawn over a page of its own size as
// a JPEG at quality 100.
TEST_F(PdfImageWriterTest, SlideBitmapRoundTripsThroughDrawImage) {
    ImagePdfDocument document(1024, 768);
    document.engine.ImageSettings().SetOutputImageFormat(ifJPEG);
    Bitmap slide = slideLike(1024, 768);
    document.engine.BeginDoc();
    document.engine.DrawImage({0, 0, 1024, 768}, document.engine.AddImage(TBitmap(slide)));
    document.engine.EndDoc();

    ASSERT_TRUE(qpdfAccepts(document.path()));
    std::string text = inflated(document.path());
    EXPECT_TRUE(contains(fileText(document.path()), "<< /Type/XObject/Subtype/Image/Name/Img00/Width 1024/Height 768/BitsPerComponent 8"
                               "/Filter/DCTDecode/ColorSpace/DeviceRGB/Length "));
    EXPECT_TRUE(contains(text, "\r\nq\r\n768.0000 0 0 576.0000 0.0000 0.0000 cm\r\n/Img00 Do\r\nQ"));
    Bitmap page = testing::renderWithPoppler(fileText(document.path()), false, 96);
    ASSERT_EQ(page.width(), 1024);
    EXPECT_GE(test_support::Psnr(page, slide), 40.0);
}

TEST_F(PdfImageWriterTest, RawAndFaxImagesShowTheirPixelsExactly) {
    std::mt19937 random(5);
    Bitmap colours(37, 29, PixelFormat::Bgr24);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 37; ++x) colours.setPixelColor(x, y, random() & 0xFFFFFFu);
    Bitmap blackAndWhite(37, 29, PixelFormat::Bgr24);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 37; ++x) blackAndWhite.setPixelColor(x, y, random() % 3 ? 0xFFFFFFu : 0u);
    struct Case {
        TveOutputImageFormat format;
        bool compression;
        const Bitmap& source;
        const char* entries;
    };
    const Case cases[] = {
        {ifBMP, true, colours, "/BitsPerComponent 8/Filter/FlateDecode/ColorSpace/DeviceRGB/Length "},
        {ifBMP, false, colours, "/BitsPerComponent 8/ColorSpace/DeviceRGB/Length 3219>>"},
        {ifCCITT3, true, blackAndWhite,
         "/BitsPerComponent 1/Filter[/CCITTFaxDecode]/ColorSpace/DeviceGray /DecodeParms [<</K 0 /Columns 37 /Rows 29 >>]"},
        {ifCCITT4, true, blackAndWhite,
         "/BitsPerComponent 1/Filter[/CCITTFaxDecode]/ColorSpace/DeviceGray /DecodeParms [<</K -1 /Columns 37 /Rows 29 >>]"},
    };
    for (const Case& c : cases) {
        ImagePdfDocument document(37, 29);
        document.engine.ImageSettings().SetOutputImageFormat(c.format);
        document.engine.Compression().Enabled = c.compression;
        document.engine.BeginDoc();
        document.engine.DrawImage({0, 0, 37, 29}, document.engine.AddImage(TBitmap(c.source)));
        document.engine.EndDoc();
        ASSERT_TRUE(qpdfAccepts(document.path())) << c.entries;
        EXPECT_TRUE(contains(fileText(document.path()), c.entries)) << c.entries;
        Bitmap page = testing::renderWithPoppler(fileText(document.path()), false, 96);
        int wrong = 0;
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 37; ++x) wrong += page.pixelColor(x, y) != c.source.pixelColor(x, y);
        EXPECT_EQ(wrong, 0) << c.entries;
    }
}

TEST_F(PdfImageWriterTest, OnePixelJpegIsTwoRowsHigh) {
    ImagePdfDocument document(10, 10);
    document.engine.ImageSettings().SetOutputImageFormat(ifJPEG);
    Bitmap dot(1, 1, PixelFormat::Bgr24);
    document.engine.BeginDoc();
    document.engine.DrawImage({0, 0, 5, 5}, document.engine.AddImage(TBitmap(dot)));
    document.engine.EndDoc();
    EXPECT_TRUE(qpdfAccepts(document.path()));
    EXPECT_TRUE(contains(fileText(document.path()), "/Name/Img00/Width 1/Height 2/"));
}

TEST_F(PdfImageWriterTest, VariantsAreNamedListedAndReused) {
    ImagePdfDocument document(200, 100);
    TveCustomPDFEngine& engine = document.engine;
    Bitmap picture = slideLike(40, 30);
    engine.BeginDoc();
    for (int i = 0; i < 3; ++i) engine.DrawImage({0, 0, 40, 30}, engine.AddImage(TBitmap(picture)));
    engine.DrawImage({50, 0, 130, 90}, 0);   // neither side matches: a second XObject
    engine.DrawImage({0, 40, 40, 100}, 0);   // the graphic's own width: the first one again
    engine.DrawImage({10, 10, 10, 40}, 1);   // zero width, the graphic's height: drawn one unit wide
    engine.EndDoc();

    ASSERT_TRUE(qpdfAccepts(document.path()));
    std::string text = inflated(document.path());
    std::smatch match;
    std::string file = fileText(document.path());
    ASSERT_TRUE(std::regex_search(file, match, std::regex("/XObject <<(.*) >>")));
    EXPECT_TRUE(std::regex_match(match[1].str(), std::regex("/Img00 \\d+ 0 R/Img01 \\d+ 0 R/Img10 \\d+ 0 R/Img20 \\d+ 0 R")))
        << match[1];
    auto occurrences = [](const std::string& in, const std::string& part) {
        std::size_t count = 0;
        for (auto at = in.find(part); at != std::string::npos; at = in.find(part, at + 1)) ++count;
        return count;
    };
    EXPECT_EQ(occurrences(file, "/Subtype/Image"), 4u);
    EXPECT_EQ(occurrences(text, "/Img00 Do"), 2u);
    EXPECT_EQ(occurrences(text, "/Img01 Do"), 1u);
    EXPECT_EQ(occurrences(text, "/Img10 Do"), 2u);
    EXPECT_TRUE(contains(text, "\r\nq\r\n0.7500 0 0 22.5000 7.5000 45.0000 cm\r\n/Img10 Do\r\nQ"));
}

TEST_F(PdfImageWriterTest, BackgroundPictureIsTiledThroughItsPattern) {
    for (auto [type, fill] : {std::pair{dtCenter, "/CSP cs /PI scn n 250.0000 375.0000 100.0000 50.0000 re f"},
                              std::pair{dtTile, "/CSP cs /PI scn n 0.0000 0.0000 600.0000 800.0000 re f"}}) {
        ImagePdfDocument document(800, 1067);
        document.engine.Page().SetWidth(800);
        document.engine.Page().SetHeight(800.0 * 4 / 3);
        TPicture picture;
        TBitmap background(slideLike(100, 50));
        picture.SetGraphic(&background);
        document.engine.SetBackgroundImage(picture);
        document.engine.SetBackgroundImageDisplayType(type);
        document.engine.BeginDoc();
        document.engine.NewPage();
        document.engine.EndDoc();
        ASSERT_TRUE(qpdfAccepts(document.path()));
        std::string text = inflated(document.path());
        EXPECT_TRUE(contains(text, fill)) << fill;
        std::string file = fileText(document.path());
        EXPECT_TRUE(contains(file, "/Name/Img0/Width 100/Height 50/BitsPerComponent 8/ColorSpace/DeviceRGB"));
        EXPECT_TRUE(contains(file, "/PatternType 1/PaintType 1/"));
        EXPECT_TRUE(contains(text, "\r\nq\r\n100.0000 0 0 50.0000 0 0 cm\r\n/Img0 Do\r\nQ"));
    }
}

TEST_F(PdfImageWriterTest, FramedImageWithHatchedGround) {
    ImagePdfDocument document(100, 100);
    TveCustomPDFEngine& engine = document.engine;
    engine.ImageSettings().DrawFrame = true;
    engine.Frame() = TveFrame{true, true, true, true, {}};
    engine.Brush() = TBrush{0x0000FFu, bsCross};
    engine.Pen() = TPen{0x00FF00u, 2, psDash};
    engine.BeginDoc();
    engine.DrawImage({8, 8, 48, 38}, engine.AddImage(TBitmap(slideLike(40, 30))));
    engine.Frame() = TveFrame{true, false, false, true, {}};
    engine.DrawImage({50, 50, 90, 80}, 0);
    engine.EndDoc();

    ASSERT_TRUE(qpdfAccepts(document.path()));
    std::string text = inflated(document.path());
    const std::string path = "6.0000 69.0000 m 6.0000 46.5000 l 36.0000 46.5000 l 36.0000 69.0000 l 6.0000 69.0000 l ";
    EXPECT_TRUE(contains(text, "\r\nq\r\n/CSP cs 1.0000 0.0000 0.0000 /PC scn\r\nn\r\n" + path + "\r\nh\r\nf\r\nQ"));
    EXPECT_TRUE(contains(text, "\r\nq\r\n[16 8]0 d 1.5000 w\r0.0000 1.0000 0.0000 RG\r\n" + path + "\r\n s Q\r\n\r\nq\r\n"));
    EXPECT_TRUE(contains(text, "\r\n37.5000 15.0000 m \r\n37.5000 37.5000 l \r\n67.5000 15.0000 m \r\n37.5000 15.0000 l \r\nS\r\nQ"));
    EXPECT_TRUE(contains(fileText(document.path()), "/Pattern <</PC "));
    EXPECT_TRUE(contains(text, "2 J 2 j 0.3 w 0 2.5 m 5 2.5 l 2.5 0 m 2.5 5 l S"));
}

// Drawing coordinates are pixels at 96 per inch on a 120-pixel-per-inch
// screen: the frame must still enclose exactly the placed image.
TEST_F(PdfImageWriterTest, FrameFitsTheImageWhenInputAndScreenResolutionsDiffer) {
    ImagePdfDocument document(100, 100, 120);
    TveCustomPDFEngine& engine = document.engine;
    engine.ImageSettings().DrawFrame = true;
    engine.Frame() = TveFrame{true, true, true, true, {}};
    engine.Brush() = TBrush{0xFFFFFFu, bsClear};
    engine.BeginDoc();
    engine.DrawImage({8, 8, 48, 40}, engine.AddImage(TBitmap(slideLike(40, 32))));
    engine.EndDoc();
    ASSERT_TRUE(qpdfAccepts(document.path()));
    std::string text = inflated(document.path());
    EXPECT_TRUE(contains(text, "\r\n4.8000 43.2000 m 4.8000 24.0000 l 28.8000 24.0000 l 28.8000 43.2000 l 4.8000 43.2000 l "
                               "\r\n s Q\r\n\r\nq\r\n24.0000 0 0 19.2000 4.8000 24.0000 cm\r\n/Img00 Do"));
}

}  // namespace
}  // namespace slidemint
